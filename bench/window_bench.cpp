// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The window on the offscreen platform against plain Qt widgets: how long the form takes from
// construction to its first painted frame, beside the same form built the Qt Designer way, and
// how long a click on "Изчисли" takes to put the whole report into the report box, beside one
// setPlainText of the same text.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <memory>

#include "form/control_table.h"
#include "state/boxes.h"
#include "window/application_style.h"
#include "window/box_text.h"
#include "window/velmora.h"

namespace {

// Sees the first paint event of the window it watches.
class PaintProbe : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted = true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// A window paints all its children in the pass that paints the window itself, so the frame is
// complete when the pass that delivered the first paint event returns.
void showUntilPainted(QWidget& window) {
    PaintProbe probe;
    window.installEventFilter(&probe);
    window.show();
    while (!probe.painted) {
        QCoreApplication::processEvents();
    }
    window.removeEventFilter(&probe);
}

// Each window in the style its program draws it in, set before a benchmark's loop: Velmora in the
// one it chooses for itself, plain Qt widgets in the platform's default.
QString platformStyle;

void inVelmorasStyle() {
    QApplication::setStyle(QString::fromLatin1(velmora::windowsStyle));
}

void inPlatformStyle() {
    QApplication::setStyle(platformStyle);
}

QFont formFont() {
    return QFont(QStringLiteral("Times New Roman"), 12);
}

template <typename MakeWindow>
void firstFrame(benchmark::State& state, MakeWindow makeWindow) {
    for (auto _ : state) {
        std::unique_ptr<QWidget> window = makeWindow();
        showUntilPainted(*window);
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_VelmoraFirstFrame(benchmark::State& state) {
    inVelmorasStyle();
    firstFrame(state, [] { return std::make_unique<velmora::Velmora>(); });
}
BENCHMARK(BM_VelmoraFirstFrame)->Unit(benchmark::kMicrosecond);

// The form as Qt Designer would build it: the same eleven controls with their texts, places and
// sizes, in the platform's default style and font, with nothing else set.
QWidget* makeDesignerControl(const velmora::ControlDescriptor& row, QWidget* form) {
    const QString text = velmora::fromUtf8(row.text);
    switch (row.array) {
        case velmora::ControlArray::pole:
            if (row.multiLine) {
                return new QPlainTextEdit(velmora::toWidgetText(row.text), form);
            }
            return new QLineEdit(text, form);
        case velmora::ControlArray::buton:
            return new QPushButton(text, form);
        case velmora::ControlArray::etiket:
            return new QLabel(text, form);
    }
    return nullptr;
}

std::unique_ptr<QWidget> makeDesignerForm() {
    auto form = std::make_unique<QWidget>();
    form->resize(velmora::clientArea.width / velmora::twipsPerPixel,
                 velmora::clientArea.height / velmora::twipsPerPixel);
    form->setWindowTitle(velmora::fromUtf8(velmora::captionText));
    for (const velmora::ControlDescriptor& row : velmora::controlTable()) {
        const velmora::Twips& t = row.place;
        makeDesignerControl(row, form.get())
            ->setGeometry(t.left / velmora::twipsPerPixel, t.top / velmora::twipsPerPixel,
                          t.width / velmora::twipsPerPixel, t.height / velmora::twipsPerPixel);
    }
    return form;
}

void BM_ReferenceFirstFrame(benchmark::State& state) {
    inPlatformStyle();
    firstFrame(state, makeDesignerForm);
}
BENCHMARK(BM_ReferenceFirstFrame)->Unit(benchmark::kMicrosecond);

// For information: the cheapest window of the same size, a bare widget with one label.
void BM_BareWindowFirstFrame(benchmark::State& state) {
    inPlatformStyle();
    firstFrame(state, [] {
        auto window = std::make_unique<QWidget>();
        window->setFixedSize(625, 431);
        window->setFont(formFont());
        auto* label = new QLabel(QStringLiteral("Информатика - сумата словом"), window.get());
        label->setGeometry(136, 8, 321, 25);
        return window;
    });
}
BENCHMARK(BM_BareWindowFirstFrame)->Unit(benchmark::kMicrosecond);

// Paints what the last step changed, outside the measured time, so every step starts alike.
void settle(benchmark::State& state) {
    state.PauseTiming();
    QCoreApplication::processEvents();
    state.ResumeTiming();
}

void BM_VelmoraClickToReport(benchmark::State& state) {
    inVelmorasStyle();
    velmora::Velmora form;
    showUntilPainted(form);
    for (auto _ : state) {
        form.buton(velmora::computeButton)->click();
        settle(state);
    }
}
BENCHMARK(BM_VelmoraClickToReport)->Unit(benchmark::kMicrosecond);

QString defaultReport() {
    velmora::Velmora form;
    form.buton(velmora::computeButton)->click();
    return velmora::toWidgetText(form.boxes().text(velmora::reportBox));
}

void BM_ReferenceSetPlainText(benchmark::State& state) {
    inPlatformStyle();
    const QString report = defaultReport();
    QWidget window;
    window.setFixedSize(625, 431);
    window.setFont(formFont());
    auto* box = new QPlainTextEdit(&window);
    box->setGeometry(8, 272, 425, 145);
    showUntilPainted(window);
    for (auto _ : state) {
        box->setPlainText(report);
        settle(state);
    }
}
BENCHMARK(BM_ReferenceSetPlainText)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    platformStyle = QApplication::style()->name();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
