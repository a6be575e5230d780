#include "UnFGr.h"

#include "Artwork.h"
#include "GraphActions.h"
#include "PainterSurface.h"
#include "plot/mGraf.h"
#include "ui/EventGuard.h"
#include "ui/GraphReadout.h"
#include "ui_UnFGr.h"

#include <QPainter>

namespace {

constexpr QPoint kFramePosition(202, 71);
const QColor kSilver(192, 192, 192);

constexpr const char* kRatioTitle = "k, раз";
constexpr const char* kFrequencyTitle = "f, Гц";
constexpr const char* kDecibelTitle = "k, дБ";
constexpr const char* kLogFrequencyTitle = "log(f)";

} // namespace

TForm3::TForm3(const CalcState& state, MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TForm3>()), state_(state), boxes_(boxes) {
    ui_->setupUi(this);
    move(kFramePosition);
    setWindowIcon(ArtworkIcon(QStringLiteral(":/animal-icon.svg")));
    actions_ = new GraphActions(*this, state_, boxes_);
    RunGuarded(boxes_, [this] { FormCreate(); });
}

TForm3::~TForm3() = default;

void TForm3::SetFileChooser(FileChooser& chooser) {
    actions_->SetFileChooser(chooser);
}

void TForm3::FormCreate() {
    QPalette background = palette();
    background.setColor(QPalette::Window, kSilver);
    setPalette(background);
    setAutoFillBackground(true);
}

void TForm3::paintEvent(QPaintEvent* /*event*/) {
    if (paintFailed_)
        return;
    RunGuarded(boxes_, [this] {
        try {
            FormPaint();
        } catch (...) {
            paintFailed_ = true;
            throw;
        }
    });
}

void TForm3::FormPaint() {
    QPainter painter(this);
    painter.setFont(font());
    // The chart is always scaled to the whole client area, so a partial repaint draws the same
    // picture as a full one.
    PainterSurface surface(painter, rect(), palette().color(QPalette::Window));
    // The titles stand relative to the outer size of the window, frame and caption included.
    const QSize outer = size() + kFrame;
    const QPoint horizontalTitle(outer.width() - 90, outer.height() - 60);
    if (!state_.LogScale) {
        DrawChart(state_.Frequencies, state_.Ratio, kGraphDivisions, surface);
        surface.TextOut(20, 30, kRatioTitle);
        surface.TextOut(horizontalTitle.x(), horizontalTitle.y(), kFrequencyTitle);
    } else {
        DrawChart(Log10Series(state_.Frequencies, state_.Count), state_.Decibels, kGraphDivisions,
                  surface);
        surface.TextOut(20, 30, kDecibelTitle);
        surface.TextOut(horizontalTitle.x(), horizontalTitle.y(), kLogFrequencyTitle);
    }
}
