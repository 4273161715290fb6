// Images of the seven toolbar buttons.
#pragma once

#include <QIcon>

class QStyle;

namespace ombrel {

// button 1 to 7: new, activate, import, editor, inverse, pseudoinverse, E.
QIcon ToolbarIcon(int button, const QStyle* style);

}  // namespace ombrel
