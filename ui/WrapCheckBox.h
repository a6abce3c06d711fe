#pragma once
#include <QCheckBox>

// A check box whose caption wraps at word boundaries to the width the box leaves for it.
class WrapCheckBox : public QCheckBox {
    Q_OBJECT
  public:
    explicit WrapCheckBox(const QString& text, QWidget* parent = nullptr);

    QRect CaptionRect() const;              // where the caption is drawn
    QSize CaptionSize(int maxWidth) const;  // wrapped caption's extent within maxWidth

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};
