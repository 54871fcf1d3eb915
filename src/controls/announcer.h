#pragma once

#include <QWidget>

// Speaks a short message through the screen reader and shows nothing: a notification
// of no size that appears, to assistive technology, each time it has something to say.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &message);
};
