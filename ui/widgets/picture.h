#pragma once

#include <QLabel>
#include <QString>

namespace monocl {

// A fixed picture from the resources, decoded when it is first shown (or
// first asked for), so that the pictures of tabs nobody opens cost nothing
// at start.
class Picture : public QLabel
{
    Q_OBJECT

public:
    Picture(const QString& resource, QWidget* parent = nullptr);

    // Decodes the picture if it is not yet; pixmap() is empty before.
    void load();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString m_resource;
};

} // namespace monocl
