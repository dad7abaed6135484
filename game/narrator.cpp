#include "game/narrator.h"

#include "engine/text/language.h"
#include "engine/ui/focus.h"
#include "engine/ui/ui.h"
#include "engine/widgets/label.h"
#include "game/display_confirmation.h"
#include "game/level.h"
#include "game/scene.h"
#include "game/vossmere.h"

namespace Game {

namespace {

// Whether `now` is another object than the one `before` held, or the object is gone.
bool changed(const std::weak_ptr<GE::Render_object>& before,
             const std::shared_ptr<GE::Render_object>& now)
{
    return now ? before.lock() != now : !before.expired();
}

// The screen on top, which has the focus: the topmost screen that is not an overlay.
std::shared_ptr<GE::UI> top_screen(Vossmere& game)
{
    for (auto child = game.children.rbegin(); child != game.children.rend(); ++child)
        if (auto screen = std::dynamic_pointer_cast<GE::UI>(*child);
            screen && !screen->shares_focus)
            return screen;
    return nullptr;
}

// Whether `screen` lies over another screen, as a dialog does.
bool is_dialog(Vossmere& game, const GE::UI& screen)
{
    for (const auto& child : game.children)
        if (const auto* below = dynamic_cast<const GE::UI*>(child.get()))
            return below != &screen;
    return false;
}

std::string countdown_text(std::int32_t seconds)
{
    return GE::fill(GE::tr("Reverting in {seconds} seconds."),
                    {{"seconds", std::to_string(seconds)}});
}

} // namespace

void Narrator::notice(Vossmere& game)
{
    notice_screen(game);
    notice_view();
    notice_focus(game);
    notice_countdown(game);
    notice_problem(game);
    manner = GE::Speech::Manner::interrupt;
}

void Narrator::say(const std::string& text)
{
    if (text.empty())
        return;
    speech->say(text, manner);
    manner = GE::Speech::Manner::follow;
}

void Narrator::notice_screen(Vossmere& game)
{
    const std::shared_ptr<GE::UI> top = top_screen(game);
    if (!changed(screen, top))
        return;
    screen = top;
    if (!top)
        return;
    std::string text = top->description;
    if (game.display.asking() && top == game.display.dialog) {
        seconds_left = game.display.dialog->seconds_left;
        text.append(" ").append(countdown_text(seconds_left));
    }
    if (is_dialog(game, *top))
        for (const auto& object : GE::Focus::ring(game))
            text.append(" ").append(object->spoken()).append(".");
    say(text);
}

void Narrator::notice_view()
{
    std::shared_ptr<GE::Render_object> current;
    if (const auto* level = dynamic_cast<const Level*>(screen.lock().get());
        level != nullptr && !level->scenes.empty())
        current = level->scenes[static_cast<std::size_t>(level->current_scene)];
    if (!changed(view, current))
        return;
    view = current;
    view_text = current ? current->description : "";
    say(view_text);
}

void Narrator::notice_focus(Vossmere& game)
{
    const auto object = game.focus.shown ? game.focus.focused(game) : nullptr;
    const std::string text = object ? object->spoken() : "";
    if (!changed(focused, object) && text == focused_text)
        return;
    focused = object;
    focused_text = text;
    say(text);
}

void Narrator::notice_countdown(Vossmere& game)
{
    if (!game.display.asking() || seconds_left == game.display.dialog->seconds_left)
        return;
    seconds_left = game.display.dialog->seconds_left;
    for (const std::int32_t said : countdown_said)
        if (seconds_left == said)
            say(countdown_text(seconds_left));
}

void Narrator::notice_problem(Vossmere& game)
{
    if (!changed(problem, game.problems.label))
        return;
    problem = game.problems.label;
    if (game.problems.label)
        say(game.problems.label->text);
}

void Narrator::repeat_view()
{
    if (!view.expired())
        speech->say(view_text);
}

void Narrator::forget()
{
    *this = Narrator(*speech);
    manner = GE::Speech::Manner::follow;
}

} // namespace Game
