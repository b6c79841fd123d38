#include "window/controls.h"

#include <QScrollBar>
#include <algorithm>
#include <vector>

#include "window/box_text.h"

namespace velmora {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect toPixels(Twips twips) {
    return {twips.left / twipsPerPixel, twips.top / twipsPerPixel, twips.width / twipsPerPixel,
            twips.height / twipsPerPixel};
}

QWidget* makeBox(const ControlSpec& spec, QWidget* form) {
    if (spec.multiLine) {
        auto* box = new MultiLineBox(form);
        box->setPlainText(toWidgetText(spec.text));
        box->setLocked(spec.readOnly);
        return box;
    }
    auto* box = new QLineEdit(fromUtf8(spec.text), form);
    box->setMaxLength(spec.maxLength);
    box->setReadOnly(spec.readOnly);
    return box;
}

QPushButton* makeButton(const ControlSpec& spec, QWidget* form) {
    return new QPushButton(fromUtf8(spec.text), form);
}

QLabel* makeLabel(const ControlSpec& spec, QWidget* form) {
    auto* label = new QLabel(fromUtf8(spec.text), form);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(spec.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QWidget* makeControl(const ControlSpec& spec, QWidget* form, ControlArrays& arrays) {
    const auto index = static_cast<std::size_t>(spec.index);
    switch (spec.array) {
        case ControlArray::pole:
            return arrays.pole.at(index) = makeBox(spec, form);
        case ControlArray::buton:
            return arrays.buton.at(index) = makeButton(spec, form);
        case ControlArray::etiket:
            return arrays.etiket.at(index) = makeLabel(spec, form);
    }
    return nullptr;
}

QString objectName(const ControlSpec& spec) {
    static constexpr std::array<const char*, 3> names{"Pole", "Buton", "Etiket"};
    return QString::fromLatin1(names.at(static_cast<std::size_t>(spec.array))) +
           QString::number(spec.index);
}

void applyStyle(QWidget* control, QStyle* style) {
    control->setStyle(style);
    if (auto* box = qobject_cast<QAbstractScrollArea*>(control)) {
        box->verticalScrollBar()->setStyle(style);
        box->horizontalScrollBar()->setStyle(style);
    }
}

void applyCommon(const ControlSpec& spec, QWidget* control) {
    control->setObjectName(objectName(spec));
    control->setGeometry(toPixels(spec.place));
    control->setToolTip(fromUtf8(spec.toolTip));
    control->setAccessibleName(fromUtf8(spec.accessibleName));
    control->setAccessibleDescription(fromUtf8(spec.role));
    if (spec.hasBackground) {
        QPalette palette = control->palette();
        palette.setColor(control->backgroundRole(), toColour(spec.background));
        control->setPalette(palette);
        control->setAutoFillBackground(true);
    }
}

// Labels take no focus, so they drop out of the chain; the others follow their tab index.
void chainTabOrder(std::vector<std::pair<int, QWidget*>> controls) {
    std::sort(controls.begin(), controls.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    QWidget* previous = nullptr;
    for (const auto& [tabIndex, control] : controls) {
        if (control->focusPolicy() & Qt::TabFocus) {
            if (previous != nullptr) {
                QWidget::setTabOrder(previous, control);
            }
            previous = control;
        }
    }
}

}  // namespace

QColor toColour(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

ControlArrays buildControls(QWidget* form, QStyle* style) {
    ControlArrays arrays;
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlSpec& spec : controlTable()) {
        QWidget* control = makeControl(spec, form, arrays);
        applyStyle(control, style);
        applyCommon(spec, control);
        tabOrder.emplace_back(spec.tabIndex, control);
    }
    chainTabOrder(std::move(tabOrder));
    return arrays;
}

}  // namespace velmora
