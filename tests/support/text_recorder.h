// A paint device that keeps the text drawn on it: each run of text with its font and where
// its baseline starts, in device pixels.
#pragma once

#include <QFont>
#include <QGuiApplication>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QScreen>
#include <QTextItem>
#include <QTransform>
#include <QWidget>

namespace tavro::test {

struct DrawnText {
    QString text;
    QFont font;
    QPointF baseline;  // start of the baseline
};

class TextRecorder final : public QPaintDevice {
public:
    explicit TextRecorder(QSize size) : m_size(size) {}

    // Paints the widget alone (not its children) and returns its texts.
    static QList<DrawnText> textOf(QWidget &widget)
    {
        TextRecorder device(widget.size());
        widget.render(&device, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        return device.m_engine.texts;
    }

    QPaintEngine *paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        const qreal dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmWidthMM:
            return int(m_size.width() * 25.4 / dpi);
        case PdmHeightMM:
            return int(m_size.height() * 25.4 / dpi);
        case PdmNumColors:
            return 0;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return int(dpi);
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class Engine final : public QPaintEngine {
    public:
        Engine() : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &state) override
        {
            if (state.state() & DirtyTransform) m_transform = state.transform();
        }
        void drawTextItem(const QPointF &p, const QTextItem &item) override
        {
            texts << DrawnText{item.text(), item.font(), m_transform.map(p)};
        }
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath &) override {}
        Type type() const override { return User; }

        QList<DrawnText> texts;

    private:
        QTransform m_transform;
    };

    QSize m_size;
    mutable Engine m_engine;
};

}  // namespace tavro::test
