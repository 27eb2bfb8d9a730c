<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>angulon</name>
    <message>
        <source>坐标平面</source>
        <translation>Coordinate plane</translation>
    </message>
    <message>
        <source>射线绕原点O从x轴正半轴旋转形成角</source>
        <translation>A ray turning about the origin O from the positive x-axis forms an angle</translation>
    </message>
    <message>
        <source>程序标题</source>
        <translation>Program title</translation>
    </message>
    <message>
        <source>角α（度）</source>
        <translation>Angle α (degrees)</translation>
    </message>
    <message>
        <source>黑色射线转过的角</source>
        <translation>The angle the black ray turns through</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>黑色射线转过角α</source>
        <translation>Turns the black ray through the angle α</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>结束程序</source>
        <translation>Closes the program</translation>
    </message>
    <message>
        <source>操作说明</source>
        <translation>Note on the range</translation>
    </message>
    <message>
        <source>为了便于观察，α、β、γ的取值范围限定为−1800°≤α、β、γ≤1800°</source>
        <translation>So that the turns are easy to watch, α, β and γ must lie between −1800° and 1800°.</translation>
    </message>
    <message>
        <source>Zentrak 标志</source>
        <translation>Zentrak emblem</translation>
    </message>
    <message>
        <source>Zentrak 三角函数课件</source>
        <translation>Zentrak trigonometry lessons</translation>
    </message>
    <message>
        <source>角β（度）</source>
        <translation>Angle β (degrees)</translation>
    </message>
    <message>
        <source>绿色射线转过的角</source>
        <translation>The angle the green ray turns through</translation>
    </message>
    <message>
        <source>绿色射线转过角β</source>
        <translation>Turns the green ray through the angle β</translation>
    </message>
    <message>
        <source>角γ（度）</source>
        <translation>Angle γ (degrees)</translation>
    </message>
    <message>
        <source>蓝色射线转过的角</source>
        <translation>The angle the blue ray turns through</translation>
    </message>
    <message>
        <source>蓝色射线转过角γ</source>
        <translation>Turns the blue ray through the angle γ</translation>
    </message>
    <message>
        <source>角α</source>
        <translation>Angle α</translation>
    </message>
    <message>
        <source>度</source>
        <translation>degrees</translation>
    </message>
    <message>
        <source>角的单位</source>
        <translation>Unit of the angle</translation>
    </message>
    <message>
        <source>角β</source>
        <translation>Angle β</translation>
    </message>
    <message>
        <source>角γ</source>
        <translation>Angle γ</translation>
    </message>
</context>
<context>
    <name>forms</name>
    <message>
        <source>无数值</source>
        <translation>no value</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>lesson</name>
    <message>
        <source>角度超出规定范围，请重新输入。</source>
        <translation>The angle must lie between −1800° and 1800°. Please enter it again.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Angle out of range</translation>
    </message>
    <message>
        <source>不存在</source>
        <translation>undefined</translation>
    </message>
</context>
<context>
    <name>unitrix</name>
    <message>
        <source>以OP为终边的角的正弦:sinα=</source>
        <translation>Terminal side OP: sin α =</translation>
    </message>
    <message>
        <source>以OP为终边的角的余弦:cosα=</source>
        <translation>Terminal side OP: cos α =</translation>
    </message>
    <message>
        <source>以OP为终边的角的正切:tanα=</source>
        <translation>Terminal side OP: tan α =</translation>
    </message>
    <message>
        <source>以OQ为终边的角的正弦:sin(%1)=</source>
        <translation>Terminal side OQ: sin(%1) =</translation>
    </message>
    <message>
        <source>以OQ为终边的角的余弦:cos(%1)=</source>
        <translation>Terminal side OQ: cos(%1) =</translation>
    </message>
    <message>
        <source>以OQ为终边的角的正切:tan(%1)=</source>
        <translation>Terminal side OQ: tan(%1) =</translation>
    </message>
    <message>
        <source>展开公式列表</source>
        <translation>Open the formula list</translation>
    </message>
    <message>
        <source>打开诱导公式类型的下拉列表</source>
        <translation>Opens the drop-down list of reduction formulas</translation>
    </message>
    <message>
        <source>所选公式</source>
        <translation>Chosen formula</translation>
    </message>
    <message>
        <source>当前选择的诱导公式类型</source>
        <translation>The reduction formula currently chosen</translation>
    </message>
    <message>
        <source>公式列表</source>
        <translation>Formula list</translation>
    </message>
    <message>
        <source>用上下方向键选择公式，按空格或回车确认</source>
        <translation>Pick a formula with the up and down arrow keys, then press Space or Return to choose it</translation>
    </message>
    <message>
        <source>图3画布</source>
        <translation>Figure 3 canvas</translation>
    </message>
    <message>
        <source>图3的坐标系</source>
        <translation>Axes of Figure 3</translation>
    </message>
    <message>
        <source>图2画布</source>
        <translation>Figure 2 canvas</translation>
    </message>
    <message>
        <source>图2的坐标系</source>
        <translation>Axes of Figure 2</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>结束程序</source>
        <translation>Closes the program</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>清除图形和读数，重新开始</source>
        <translation>Clears the figure and the read-outs to start again</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>射线OP转到角α，再作出点Q</source>
        <translation>Turns the ray OP to α, then draws the point Q</translation>
    </message>
    <message>
        <source>角α（度）</source>
        <translation>Angle α (degrees)</translation>
    </message>
    <message>
        <source>输入要验证的角α，范围−1800到1800度</source>
        <translation>Type the angle α to check, between −1800° and 1800°</translation>
    </message>
    <message>
        <source>单位圆</source>
        <translation>Unit circle</translation>
    </message>
    <message>
        <source>角α的终边OP与诱导公式中的角的终边OQ</source>
        <translation>The terminal side OP of α and the terminal side OQ of the formula’s angle</translation>
    </message>
    <message>
        <source>图2</source>
        <translation>Figure 2</translation>
    </message>
    <message>
        <source>图3</source>
        <translation>Figure 3</translation>
    </message>
    <message>
        <source>程序标题</source>
        <translation>Program title</translation>
    </message>
    <message>
        <source>操作说明</source>
        <translation>How to use</translation>
    </message>
    <message>
        <source>1. 在选择框中选择要验证的公式类型；2. 在文本框中输入要验证的角α，单击“确定”按钮；3. 观察并总结两个角的正弦、余弦、正切之间的关系。</source>
        <translation>1. Choose the type of formula to check from the drop-down list. 2. Type the angle α in the text box and click OK. 3. Watch and sum up how the two angles’ sin, cos and tan relate.</translation>
    </message>
    <message>
        <source>角α</source>
        <translation>Angle α</translation>
    </message>
    <message>
        <source>度</source>
        <translation>degrees</translation>
    </message>
    <message>
        <source>角的单位</source>
        <translation>Unit of the angle</translation>
    </message>
    <message>
        <source>图2的角（度）</source>
        <translation>Angle of Figure 2 (degrees)</translation>
    </message>
    <message>
        <source>OQ所在的角</source>
        <translation>The angle with terminal side OQ</translation>
    </message>
    <message>
        <source>图2：射线OQ转到它的角</source>
        <translation>Figure 2: turns the ray OQ to its angle</translation>
    </message>
    <message>
        <source>图3的角（度）</source>
        <translation>Angle of Figure 3 (degrees)</translation>
    </message>
    <message>
        <source>图3要转到的角</source>
        <translation>The angle Figure 3 turns to</translation>
    </message>
    <message>
        <source>图3：蓝色射线转到输入的角</source>
        <translation>Figure 3: turns the blue ray to the angle typed</translation>
    </message>
    <message>
        <source>以OP为终边的角的正弦</source>
        <translation>Terminal side OP: sine</translation>
    </message>
    <message>
        <source>以OP为终边的角的余弦</source>
        <translation>Terminal side OP: cosine</translation>
    </message>
    <message>
        <source>以OP为终边的角的正切</source>
        <translation>Terminal side OP: tangent</translation>
    </message>
    <message>
        <source>以OQ为终边的角的正弦</source>
        <translation>Terminal side OQ: sine</translation>
    </message>
    <message>
        <source>以OQ为终边的角的余弦</source>
        <translation>Terminal side OQ: cosine</translation>
    </message>
    <message>
        <source>以OQ为终边的角的正切</source>
        <translation>Terminal side OQ: tangent</translation>
    </message>
    <message>
        <source>选择公式类型</source>
        <translation>Choose one</translation>
    </message>
    <message>
        <source>未选择公式</source>
        <translation>No formula chosen</translation>
    </message>
    <message>
        <source>所选的诱导公式</source>
        <translation>The chosen reduction formula</translation>
    </message>
    <message>
        <source>诱导公式类型：180°+α</source>
        <translation>Reduction formula: 180°+α</translation>
    </message>
    <message>
        <source>诱导公式类型：180°−α</source>
        <translation>Reduction formula: 180°−α</translation>
    </message>
    <message>
        <source>诱导公式类型：−α</source>
        <translation>Reduction formula: −α</translation>
    </message>
    <message>
        <source>停止图2</source>
        <translation>Stops Figure 2</translation>
    </message>
    <message>
        <source>停止图3</source>
        <translation>Stops Figure 3</translation>
    </message>
</context>
</TS>
