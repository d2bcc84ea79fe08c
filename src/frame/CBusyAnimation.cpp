#include "frame/CBusyAnimation.h"

#include "res/images/BusyAnimation.h"
#include "res/images/BusyAnimationPlayer.h"

CBusyAnimation::CBusyAnimation(QWidget* parent) : QLabel(parent) {
    setFixedSize(res::BusyAnimation::kBandSize);
    setAlignment(Qt::AlignCenter);
    makePlayer();
}

void CBusyAnimation::makePlayer() {
    const bool playing = isPlaying();
    delete m_player;
    m_player = new res::BusyAnimationPlayer(res::BusyAnimation::kControlSize, devicePixelRatioF(),
                                            this);
    connect(m_player, &res::BusyAnimationPlayer::frameChanged, this, &QLabel::setPixmap);
    setPixmap(m_player->currentFrame());
    if (playing)
        m_player->start();
}

void CBusyAnimation::setPlaying(bool on) {
    if (on) {
        m_player->start();
    } else {
        m_player->stop();
        setPixmap(m_player->currentFrame());
    }
}

bool CBusyAnimation::isPlaying() const { return m_player && m_player->isRunning(); }

void CBusyAnimation::reload() { makePlayer(); }
