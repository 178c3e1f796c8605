#pragma once

#include <QImage>
#include <QWidget>

class QSlider;

namespace monocl {

// The sharp scene and its photograph through the lens in one frame: left of
// the slider's line the photograph, right of it the scene.
class PhotoCompare : public QWidget
{
    Q_OBJECT

public:
    explicit PhotoCompare(QWidget* parent);

    void setScene(const QImage& scene);
    // A null picture shows the scene alone, greyed out: no stale photograph
    // is ever drawn beside a new scene.
    void setPhotograph(const QImage& photograph);
    const QImage& photograph() const { return m_photograph; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect pictureRect() const;

    QImage m_scene;
    QImage m_photograph;
    QSlider* m_slider = nullptr;
};

} // namespace monocl
