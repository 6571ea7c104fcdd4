#pragma once
#include <QObject>

// Application-wide event filter that shows every dialog at least as wide as its title, so
// a window manager never cuts it: the title in a bold title-bar font and 140 pixels for the
// window icon, three buttons and the frame. A dialog whose layout fixes its size gets its
// width from the layout alone.
class TitleWidthFilter : public QObject
{
    Q_OBJECT
public:
    explicit TitleWidthFilter(QObject* parent = nullptr);
    ~TitleWidthFilter() override;

    bool eventFilter(QObject* watched, QEvent* event) override;
};
