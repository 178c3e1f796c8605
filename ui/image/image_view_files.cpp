// The image tab's files: a picture opened as the scene, the photograph saved.
#include "image_view.h"

#include "photo_compare.h"

#include "ui/files/output_files.h"

#include <QBuffer>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QMessageBox>

namespace monocl {

namespace {

constexpr int PreviewWidth = 600;
constexpr int PreviewHeight = 400;

QString readFailure(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("ImageView", "Снимок «%1» не прочитан: %2").arg(path, reason);
}

// The picture at path, or the reason it cannot be had.
QImage readPicture(const QString& path, QString* reason)
{
    QImageReader reader(path);
    return readScene(reader, reason);
}

} // namespace

bool ImageView::openPicture(const QString& path)
{
    QString reason;
    const QImage image = readPicture(path, &reason);
    if (image.isNull()) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("monocl"), readFailure(path, reason),
                        QMessageBox::Ok, this);
        box.exec();
        return false;
    }
    m_openedPicture = image.scaled(PreviewWidth, PreviewHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                          .convertToFormat(QImage::Format_RGB32);
    if (m_scene->count() < 4)
        m_scene->addItem(QCoreApplication::translate("ImageView", "Открытый снимок"));
    if (m_scene->currentIndex() == 3)
        inputsChanged();
    else
        m_scene->setCurrentIndex(3);
    return true;
}

bool ImageView::savePhotograph(const QString& path, QString* error) const
{
    const QImage& photograph = m_photo->photograph();
    if (!m_hasResults || photograph.isNull()) {
        *error = notWrittenMessage(path, QCoreApplication::translate("ImageView", "снимок еще не рассчитан"));
        return false;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QByteArray format = suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg") ? "JPEG" : "PNG";
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (format == "JPEG")
        writer.setQuality(92);
    if (!writer.write(photograph)) {
        *error = notWrittenMessage(path, writer.errorString());
        return false;
    }
    return writeFileAtomically(path, bytes, error);
}

void ImageView::chooseAndOpen()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QCoreApplication::translate("ImageView", "Открыть снимок"), QString(),
        QCoreApplication::translate("ImageView", "Снимки (*.jpg *.jpeg *.png *.tif *.tiff)"));
    if (!path.isEmpty())
        openPicture(path);
}

void ImageView::chooseAndSave()
{
    const QString path = QFileDialog::getSaveFileName(
        this, QCoreApplication::translate("ImageView", "Сохранить снимок"), QString(),
        QCoreApplication::translate("ImageView", "PNG (*.png);;JPEG (*.jpg *.jpeg)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!savePhotograph(path, &error)) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("monocl"), error, QMessageBox::Ok, this);
        box.exec();
    }
}

} // namespace monocl
