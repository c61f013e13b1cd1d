// The laser's trace: the points the machine reported, drawn over the board, never into it.
#pragma once

#include <QBitArray>
#include <QObject>
#include <QPoint>

namespace tavro::document {

class TraceOverlay final : public QObject {
    Q_OBJECT
public:
    explicit TraceOverlay(QObject *parent = nullptr);

    // Points off the board are not kept.
    void add(int x, int y);
    void clear();
    bool contains(int x, int y) const;
    qsizetype count() const { return m_count; }

signals:
    void pointAdded(QPoint point);
    void cleared();

private:
    QBitArray m_points;
    qsizetype m_count = 0;
};

}  // namespace tavro::document
