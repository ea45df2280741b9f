#pragma once

namespace fortunara {

// The eight animated pictures of the main window.
enum class PictureKind { Uscita, Info, Setup, Stampante, Copia, Cerca, Nuova, Salva };

// The frame sequence of one animated picture. While the pointer has hovered over the picture
// (and has not reached a background since), every timer tick counts towards the next frame;
// each picture has its own number of frames, ticks per frame and strip cell per frame.
class PictureAnimation {
public:
    explicit PictureAnimation(PictureKind kind);

    PictureKind Kind() const;
    void Hover();     // pointer moved over the picture: hover flag := 1
    bool Tick();      // one timer tick (30 ms); true when the shown cell changed
    void Reset();     // flag, tick and frame counters := 0, rest cell shown
    void ShowRest();  // show the rest cell without touching the counters (tab change)
    bool Hovering() const;
    int Cell() const;  // strip cell shown now
    int RestCell() const;
    int CellCount() const;  // cells the strip must provide (12, 10, 15, 10, 11, 10, 16, 8)
    int Frame() const;

private:
    PictureKind kind_;
    int hover_ = 0;
    int tick_ = 0;
    int frame_ = 0;
    int cell_ = 0;
};

}  // namespace fortunara
