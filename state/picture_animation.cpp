#include "state/picture_animation.h"

#include <array>

namespace fortunara {

namespace {

// The information picture swings from its rest cell 5 up to 9, down to 0 and back up to 4.
// Entry 0 is never shown: frame f shows entry f + 1.
constexpr std::array<int, 19> kInfoCells{0, 5, 6, 7, 8, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 1, 2, 3, 4};

struct Timing {
    int frames;
    int ticksPerFrame;
    int restCell;
    int cellCount;
};

constexpr Timing TimingOf(PictureKind kind) {
    switch (kind) {
        case PictureKind::Uscita:
            return {24, 1, 0, 12};
        case PictureKind::Info:
            return {18, 1, 5, 10};
        case PictureKind::Setup:
            return {30, 1, 0, 15};
        case PictureKind::Stampante:
            return {10, 2, 0, 10};
        case PictureKind::Copia:
            return {20, 2, 10, 11};
        case PictureKind::Cerca:
            return {10, 2, 0, 10};
        case PictureKind::Nuova:
            return {16, 2, 0, 16};
        case PictureKind::Salva:
            return {8, 2, 0, 8};
    }
    return {1, 1, 0, 1};
}

constexpr int CellForFrame(PictureKind kind, int f) {
    switch (kind) {
        case PictureKind::Uscita:
            return f < 12 ? f : 23 - f;
        case PictureKind::Info:
            return kInfoCells[static_cast<std::size_t>(f) + 1];
        case PictureKind::Setup:
            return f < 15 ? f : 29 - f;
        case PictureKind::Copia:
            return f < 11 ? f : 10;
        case PictureKind::Stampante:
        case PictureKind::Cerca:
        case PictureKind::Nuova:
        case PictureKind::Salva:
            return f;
    }
    return 0;
}

// Every cell a sequence can show must exist in its strip.
constexpr bool CellsFitStrips() {
    for (PictureKind kind : {PictureKind::Uscita, PictureKind::Info, PictureKind::Setup, PictureKind::Stampante,
                             PictureKind::Copia, PictureKind::Cerca, PictureKind::Nuova, PictureKind::Salva}) {
        const Timing timing = TimingOf(kind);
        if (timing.restCell >= timing.cellCount) return false;
        for (int f = 0; f < timing.frames; ++f) {
            const int cell = CellForFrame(kind, f);
            if (cell < 0 || cell >= timing.cellCount) return false;
        }
    }
    return true;
}
static_assert(CellsFitStrips());

}  // namespace

PictureAnimation::PictureAnimation(PictureKind kind) : kind_(kind), cell_(TimingOf(kind).restCell) {}

PictureKind PictureAnimation::Kind() const {
    return kind_;
}

void PictureAnimation::Hover() {
    hover_ = 1;
}

bool PictureAnimation::Tick() {
    if (hover_ != 1) return false;
    const Timing timing = TimingOf(kind_);
    ++tick_;
    if (tick_ != timing.ticksPerFrame) return false;
    tick_ = 0;
    ++frame_;
    if (frame_ == timing.frames) frame_ = 0;
    const int before = cell_;
    cell_ = CellForFrame(kind_, frame_);
    return cell_ != before;
}

void PictureAnimation::Reset() {
    hover_ = 0;
    tick_ = 0;
    frame_ = 0;
    ShowRest();
}

void PictureAnimation::ShowRest() {
    cell_ = TimingOf(kind_).restCell;
}

bool PictureAnimation::Hovering() const {
    return hover_ == 1;
}

int PictureAnimation::Cell() const {
    return cell_;
}

int PictureAnimation::RestCell() const {
    return TimingOf(kind_).restCell;
}

int PictureAnimation::CellCount() const {
    return TimingOf(kind_).cellCount;
}

int PictureAnimation::Frame() const {
    return frame_;
}

}  // namespace fortunara
