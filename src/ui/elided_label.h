// A label of the status bar: it takes what room is left and cuts its text to fit, so a long
// text never widens the window; the whole text is then its tooltip.
#pragma once

#include <QLabel>

namespace tavro::ui {

class ElidedLabel final : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    void setFullText(const QString &text);
    // How much of the text it keeps before others give up theirs, in average characters.
    void setLeastCharacters(int count);
    const QString &fullText() const { return m_fullText; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fit();

    QString m_fullText;
    int m_leastCharacters = 2;
};

}  // namespace tavro::ui
