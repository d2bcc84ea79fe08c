#pragma once

// The strip that slides to and fro across the splash picture. It starts at
// x = 36 and moves one step (one pixel, first to the right) per tick; when
// it has moved to x >= 416, or so far left that its right end is left of
// 36, the step turns round. Only the part inside the band from 36 to 416
// is drawn. Plain C++: the splash program uses it without any toolkit.
class SplashStrip {
public:
    static constexpr int kBandLeft = 36;
    static constexpr int kBandRight = 416;
    // The strip's vertical centre in the picture.
    static constexpr int kCentreY = 252;
    // The timer of the animation.
    static constexpr int kTickMs = 10;

    // The part of the strip to draw: width pixels from column sourceX of the
    // strip picture, at column x of the splash picture. width 0: nothing.
    struct Span {
        int x = 0;
        int sourceX = 0;
        int width = 0;
    };

    // width and height of the strip picture.
    SplashStrip(int width, int height);

    int X() const { return x_; }
    int Y() const { return kCentreY - height_ / 2; }
    int Step() const { return step_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // One timer tick: moves by the step, then turns the step round at the
    // ends of the band.
    void Tick();
    // The part of the strip inside the band at its position now.
    Span Visible() const;

private:
    int width_;
    int height_;
    int x_ = kBandLeft;
    int step_ = 1;
};
