// The modal message box of the forms runtime, and the answer to an entry
// that cannot be taken.
#pragma once

#include <QString>
#include <functional>

class QLineEdit;

namespace forms {

// MsgBox(prompt, style, title): one button, "确定" in the windows' language.
enum class MsgBoxStyle { Critical = 16, Exclamation = 48, Information = 64 };
void MsgBox(const QString &prompt, MsgBoxStyle style, const QString &title);

// Tests install a hook that records the call and returns at once.
using MsgBoxHook = std::function<void(const QString &prompt, MsgBoxStyle style, const QString &title)>;
void setMsgBoxHook(MsgBoxHook hook);

// The entry is refused: the message, then the entry emptied and focused for
// the next try.
void refuse(QLineEdit &entry, const QString &prompt, const QString &title);

} // namespace forms
