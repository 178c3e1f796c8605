#pragma once

#include <QLabel>

class QLineEdit;

namespace monocl {

// What marks an edit field whose text the program cannot take yet: a red
// frame around the field and a line just under it saying why. The line is
// a sibling of the field, raised above whatever the fixed layout has there.
class FieldProblem : public QLabel
{
    Q_OBJECT

public:
    explicit FieldProblem(QLineEdit* field);

    void showProblem(const QString& why);
    void clearProblem();
    bool hasProblem() const { return m_shown; }

private:
    QLineEdit* m_field;
    bool m_shown = false;
};

} // namespace monocl
