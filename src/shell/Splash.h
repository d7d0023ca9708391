// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The splash window shown while the windows are created: borderless, on top,
// centred on the screen, with a progress bar from 0 to 10. Its timer closes
// it at the first tick after the progress has reached the end.

#include <QWidget>

class QProgressBar;
class QTimer;

class TFSplash : public QWidget
{
    Q_OBJECT

public:
    explicit TFSplash(QWidget *parent = nullptr);

    void SetProgreso(int position);
    int Progreso() const;
    QTimer *Timer() const { return tmrSplash; }
    void tmrSplashTimer();

private:
    QProgressBar *PBSplash;
    QTimer *tmrSplash;
};
