#pragma once
// The portable form model: a window with an ordered control collection.
// Assigning a value that changes a control raises the control's event at
// once, nested inside the assignment; assigning the value it already has
// raises nothing; a value the control refuses raises RuntimeError 380. A view
// (the Win32 realisation) is told of every change the program makes, and
// reports the user's actions back through the same operations.

#include "app/form_definition.h"
#include "app/ports.h"
#include "app/text.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace lurn {

// What the program changed about a control; Focus asks the view to give the
// control the keyboard focus.
enum class ControlProperty : std::uint8_t { Caption, ToolTipText, Text, Value, Enabled, Focus };

class Control;

class FormView {
public:
    virtual ~FormView() = default;
    virtual void propertyChanged(const Control& control, ControlProperty property) = 0;
};

class Form;

class Control {
public:
    Control(Form& form, const ControlDefinition& definition, Control* container, Text caption);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const ControlDefinition& definition() const { return definition_; }
    ControlKind kind() const { return definition_.kind; }
    bool is(ControlKind kind) const { return definition_.kind == kind; }
    std::string_view name() const { return definition_.name; }
    std::int16_t index() const { return definition_.index; }
    const Control* container() const { return container_; }

    const Text& caption() const { return caption_; }
    void setCaption(Text caption);
    const Text& toolTipText() const { return toolTipText_; }
    void setToolTipText(Text text);
    // A text box's text. Setting it raises no event.
    const Text& text() const { return caption_; }
    void setText(Text text);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // Moves the keyboard focus to the control; a text box's text is selected.
    void setFocus() const { notify(ControlProperty::Focus); }

    // Check box 0/1/2, scroll bar Min..Max, option button 0 or 1 (selected),
    // timer 0 or 1 (enabled).
    std::int16_t value() const { return value_; }
    std::int16_t min() const { return definition_.min; }
    std::int16_t max() const { return definition_.max; }
    bool accepts(std::int16_t value) const;
    void setValue(std::int16_t value);

    // What the user did, as the view reports it.
    void userClick();
    void userSetText(Text text); // the view already shows it
    void userKeyUp(std::int16_t keyCode, std::int16_t shift);
    // A timer's interval has passed (raises Tick while the timer is enabled).
    void timerElapsed();

    // Events. Click: check box, option button (with the element's Index),
    // command button. Change: scroll bar. KeyUp: text box. Tick: timer.
    std::function<void(std::int16_t index)> onClick;
    std::function<void()> onChange;
    std::function<void(std::int16_t keyCode, std::int16_t shift)> onKeyUp;
    std::function<void()> onTick;

private:
    friend class Form;
    void notify(ControlProperty property) const;
    void raiseValueEvent() const;
    [[noreturn]] void refuse(std::int16_t value) const;

    Form& form_;
    const ControlDefinition& definition_;
    Control* container_;
    Text caption_;
    Text toolTipText_;
    bool enabled_ = true;
    std::int16_t value_;
};

class Form {
public:
    // Builds the controls of a definition in its order, decoding every
    // caption with `codePage`.
    Form(const FormDefinition& definition, const TextCodec& codec, unsigned codePage);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const FormDefinition& definition() const { return definition_; }
    const Text& caption() const { return caption_; }
    // The code page the captions were decoded with.
    unsigned codePage() const { return codePage_; }

    std::size_t count() const { return controls_.size(); }
    Control& at(std::size_t position) { return *controls_.at(position); }
    const Control& at(std::size_t position) const { return *controls_.at(position); }
    // The control of that name (and element index); the definition names
    // are fixed, so a name that does not exist is a programming error.
    Control& control(std::string_view name, std::int16_t index = kNoIndex);
    const Control& control(std::string_view name, std::int16_t index = kNoIndex) const;
    // The element of a control array, or nullptr.
    Control* find(std::string_view name, std::int16_t index);

    // Selects element `index` of the option-button array `name`; an index
    // with no element is refused with error 380.
    void selectOption(std::string_view name, std::int16_t index);

    void setView(FormView* view) { view_ = view; }
    FormView* view() const { return view_; }

private:
    friend class Control;
    void clearOtherOptions(const Control& selected);

    const FormDefinition& definition_;
    Text caption_;
    unsigned codePage_;
    std::vector<std::unique_ptr<Control>> controls_;
    FormView* view_ = nullptr;
};

} // namespace lurn
