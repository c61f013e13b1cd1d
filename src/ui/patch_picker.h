// A test card on the screen, as it will burn, whose patches can be clicked.
#pragma once

#include "materials/test_card.h"

#include <QImage>
#include <QWidget>

#include <optional>

namespace tavro::ui {

class PatchPicker final : public QWidget {
    Q_OBJECT
public:
    PatchPicker(const materials::TestCardLayout &layout, QImage shown, QWidget *parent = nullptr);

    // The patch picked, as column and row; a frame shows it.
    void pick(const std::optional<QPoint> &patch);
    const std::optional<QPoint> &picked() const { return m_picked; }

signals:
    void patchPicked(QPoint patch);
    void patchChosen(QPoint patch);  // a double click

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    std::optional<QPoint> patchAt(const QPointF &position) const;

    materials::TestCardLayout m_layout;
    QImage m_shown;
    std::optional<QPoint> m_picked;
};

}  // namespace tavro::ui
