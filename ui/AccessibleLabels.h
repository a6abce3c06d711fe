#pragma once
#include <QLabel>

// Pictures and texts that a screen reader should take for more than a plain label.

// The picture of a progress bar: announced as a progress bar with its value, in per cent.
class ProgressPicture : public QLabel {
    Q_OBJECT
  public:
    explicit ProgressPicture(QWidget* parent = nullptr);

    int Percent() const { return percent_; }
    void SetPercent(int percent);  // tells screen readers of a change

  private:
    int percent_ = 0;
};

// A link text: reached with Tab, framed while it has the focus, and opened by Enter or Space as
// by a click. It takes the palette's link colour, made readable on the window's background.
class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    static constexpr int kFocusMargin = 2;  // room for the focus frame around the text

    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    void Activate() { emit Activated(); }

  signals:
    void Activated();

  protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void FollowLinkColour();
};
