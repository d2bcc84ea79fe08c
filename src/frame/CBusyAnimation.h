#pragma once

#include <QLabel>

namespace res {
class BusyAnimationPlayer;
}

// The busy animation of one bar: a fixed-size picture that loops while the
// program loads a page and shows its first frame at rest.
class CBusyAnimation : public QLabel {
    Q_OBJECT

public:
    explicit CBusyAnimation(QWidget* parent = nullptr);

    // On plays the animation endlessly; off stops it and shows frame 0.
    void setPlaying(bool on);
    bool isPlaying() const;
    // Draws the frames anew (after a change of colours or screen).
    void reload();

private:
    void makePlayer();

    res::BusyAnimationPlayer* m_player = nullptr;
};
