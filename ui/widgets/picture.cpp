#include "picture.h"

#include <QPixmap>

namespace monocl {

Picture::Picture(const QString& resource, QWidget* parent)
    : QLabel(parent)
    , m_resource(resource)
{
}

void Picture::load()
{
    if (m_resource.isEmpty())
        return;
    setPixmap(QPixmap(m_resource));
    m_resource.clear();
}

void Picture::showEvent(QShowEvent* event)
{
    load();
    QLabel::showEvent(event);
}

} // namespace monocl
