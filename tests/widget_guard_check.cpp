// Never part of a program: the build of this file must fail (see CMakeLists.txt),
// even though Qt Widgets' include path is in reach here.
#include <QtWidgets/QWidget>
