#pragma once
#include <QObject>

class QWidget;

// Application-wide event filter that shows every dialog at least as wide as its title, so
// a window manager never cuts it: the title in a bold title-bar font and 140 pixels for the
// window icon, three buttons and the frame. A dialog whose layout fixes its size gets its
// width from the layout alone. A window that fixes its own size as it is shown (a message
// box does, after this filter has seen it) calls fitTitle once it has.
class TitleWidthFilter : public QObject
{
    Q_OBJECT
public:
    explicit TitleWidthFilter(QObject* parent = nullptr);
    ~TitleWidthFilter() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

    // Widens the window to what its title needs, no wider than its screen; a window of a
    // fixed size keeps it fixed, at the new width and the height its layout gives that, and
    // never smaller than its layout's minimum.
    static void fitTitle(QWidget* window);
};
