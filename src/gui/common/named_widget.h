// Creating controls under their fixed names. Every control carries its name as its Qt
// objectName, so that tests and accessibility tools find it. A control array (several
// controls sharing one name and told apart by an index, such as the option buttons optLong
// 0 and 1) becomes one control per element named "<name>_<index>": "optLong_0",
// "lblArudha_5".
#pragma once

#include <QString>
#include <utility>

namespace velquor {

inline QString ArrayElementName(const char* arrayName, int index) {
  return QStringLiteral("%1_%2").arg(QString::fromLatin1(arrayName)).arg(index);
}

template <typename Widget, typename... Args>
Widget* Named(const QString& name, Args&&... args) {
  auto* widget = new Widget(std::forward<Args>(args)...);
  widget->setObjectName(name);
  return widget;
}

template <typename Widget, typename... Args>
Widget* Named(const char* name, Args&&... args) {
  return Named<Widget>(QString::fromLatin1(name), std::forward<Args>(args)...);
}

}  // namespace velquor
