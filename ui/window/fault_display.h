#pragma once

#include <QString>

#include <initializer_list>
#include <optional>

class QLabel;
class QRect;
class QWidget;

namespace monocl {

// While a fault stands, the widgets that still show an earlier recompute's
// content are drawn greyed, and line tells the fault; both come back to
// normal when it is gone. The widgets' own content is not touched.
void showStaleContent(QLabel& line, std::initializer_list<QWidget*> stale,
                      const std::optional<QString>& fault, bool earlierShown);

// A hidden line in bold dark red at place on parent, word-wrapped, on its
// own background: where a fault is told.
QLabel* createFaultLine(QWidget* parent, const QRect& place, const char* name);

} // namespace monocl
