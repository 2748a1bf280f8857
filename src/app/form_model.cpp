#include "app/form_model.h"

#include "app/runtime_error.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace lurn {

namespace {

Text controlDisplayName(const ControlDefinition& definition) {
    Text name = asciiText(definition.name);
    if (definition.index != kNoIndex) {
        name += u"(" + decimalText(definition.index) + u")";
    }
    return name;
}

Text acceptedValues(const Control& control) {
    switch (control.kind()) {
    case ControlKind::CheckBox:
        return u"0, 1 or 2";
    case ControlKind::HScrollBar:
        return decimalText(control.min()) + u" to " + decimalText(control.max());
    default:
        return u"none";
    }
}

} // namespace

Control::Control(Form& form, const ControlDefinition& definition, Control* container, Text caption)
    : form_(form), definition_(definition), container_(container), caption_(std::move(caption)),
      value_(definition.kind == ControlKind::Timer ? std::int16_t{1} : definition.value) {}

void Control::notify(ControlProperty property) const {
    if (FormView* view = form_.view()) {
        view->propertyChanged(*this, property);
    }
}

void Control::setCaption(Text caption) {
    caption_ = std::move(caption);
    notify(ControlProperty::Caption);
}

void Control::setToolTipText(Text text) {
    toolTipText_ = std::move(text);
    notify(ControlProperty::ToolTipText);
}

void Control::setText(Text text) {
    caption_ = std::move(text);
    notify(ControlProperty::Text);
}

void Control::setEnabled(bool enabled) {
    enabled_ = enabled;
    notify(ControlProperty::Enabled);
}

bool Control::accepts(std::int16_t value) const {
    switch (kind()) {
    case ControlKind::CheckBox:
        return value >= 0 && value <= 2;
    case ControlKind::HScrollBar:
        return value >= min() && value <= max();
    case ControlKind::OptionButton:
    case ControlKind::Timer:
        return true;
    default:
        return false;
    }
}

void Control::refuse(std::int16_t value) const {
    throw RuntimeError{kInvalidPropertyValue, u"Invalid property value: " +
                                                  controlDisplayName(definition_) + u".Value = " +
                                                  decimalText(value) + u" (accepted: " +
                                                  acceptedValues(*this) + u")"};
}

void Control::setValue(std::int16_t value) {
    if (!accepts(value)) {
        refuse(value);
    }
    if (kind() == ControlKind::OptionButton || kind() == ControlKind::Timer) {
        value = value != 0 ? 1 : 0;
    }
    if (value == value_) {
        return;
    }
    value_ = value;
    notify(ControlProperty::Value);
    if (kind() == ControlKind::OptionButton) {
        if (value_ == 0) {
            return;
        }
        form_.clearOtherOptions(*this);
    }
    raiseValueEvent();
}

void Control::raiseValueEvent() const {
    switch (kind()) {
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
        if (onClick) {
            onClick(index());
        }
        break;
    case ControlKind::HScrollBar:
        if (onChange) {
            onChange();
        }
        break;
    default:
        break;
    }
}

void Control::userClick() {
    switch (kind()) {
    case ControlKind::CheckBox:
        // A click checks a clear or greyed box and clears a checked one.
        setValue(value_ == 1 ? 0 : 1);
        break;
    case ControlKind::OptionButton:
        setValue(1);
        break;
    case ControlKind::CommandButton:
        if (onClick) {
            onClick(index());
        }
        break;
    default:
        break;
    }
}

void Control::userSetText(Text text) {
    caption_ = std::move(text);
}

void Control::userKeyUp(std::int16_t keyCode, std::int16_t shift) {
    if (onKeyUp) {
        onKeyUp(keyCode, shift);
    }
}

void Control::timerElapsed() {
    if (is(ControlKind::Timer) && value_ != 0 && onTick) {
        onTick();
    }
}

Form::Form(const FormDefinition& definition, const TextCodec& codec, unsigned codePage)
    : definition_(definition), caption_(asciiText(definition.caption)), codePage_(codePage) {
    controls_.reserve(definition.controls.size());
    for (const ControlDefinition& control : definition.controls) {
        Control* container = nullptr;
        if (control.container != nullptr) {
            container = &this->control(control.container);
        }
        std::optional<Text> caption =
            codec.widen(control.caption != nullptr ? control.caption : "", codePage);
        if (!caption) {
            throw RuntimeError{kInvalidProcedureCall, u"The caption of " + asciiText(control.name) +
                                                          u" cannot be decoded with code page " +
                                                          decimalText(codePage)};
        }
        controls_.push_back(std::make_unique<Control>(*this, control, container, *caption));
    }
}

Control* Form::find(std::string_view name, std::int16_t index) {
    for (const auto& control : controls_) {
        if (control->name() == name && control->index() == index) {
            return control.get();
        }
    }
    return nullptr;
}

Control& Form::control(std::string_view name, std::int16_t index) {
    if (Control* found = find(name, index)) {
        return *found;
    }
    throw std::out_of_range("no control " + std::string(name));
}

const Control& Form::control(std::string_view name, std::int16_t index) const {
    return const_cast<Form*>(this)->control(name, index);
}

void Form::selectOption(std::string_view name, std::int16_t index) {
    Control* element = index >= 0 ? find(name, index) : nullptr;
    if (element == nullptr) {
        throw RuntimeError{kInvalidPropertyValue, u"Invalid property value: " + asciiText(name) +
                                                      u"(" + decimalText(index) +
                                                      u") has no such element"};
    }
    element->setValue(1);
}

void Form::clearOtherOptions(const Control& selected) {
    for (const auto& control : controls_) {
        if (control.get() != &selected && control->is(ControlKind::OptionButton) &&
            control->container() == selected.container() && control->value_ != 0) {
            control->value_ = 0;
            control->notify(ControlProperty::Value);
        }
    }
}

} // namespace lurn
