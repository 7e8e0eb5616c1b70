// State and helpers of the recording layer.
#include "recorder.h"

namespace rec {

std::string formatArg(Values values)
{
    std::string text = "{";
    for (int i = 0; i < values.count; ++i) {
        text += (i == 0 ? "" : ", ") + formatArg(values.values[i]);
    }
    return text + "}";
}

std::string joinCall(const char* name, const std::vector<std::string>& args)
{
    std::string text = std::string(name) + "(";
    for (size_t i = 0; i < args.size(); ++i) {
        text += (i == 0 ? "" : ", ") + args[i];
    }
    return text + ")";
}

State& state()
{
    static State* const instance = new State;
    return *instance;
}

void reset()
{
    state() = State();
}

void record(std::string text)
{
    state().calls.push_back(std::move(text));
}

const std::vector<std::string>& calls()
{
    return state().calls;
}

std::vector<std::string> callsNamed(const std::string& name)
{
    const std::string opening = name + "(";
    std::vector<std::string> named;
    for (const std::string& text : state().calls) {
        if (text.compare(0, opening.size(), opening) == 0) {
            named.push_back(text);
        }
    }
    return named;
}

void queueKeyDown(SDLKey sym)
{
    SDL_Event event = {};
    event.type = SDL_KEYDOWN;
    event.key.type = SDL_KEYDOWN;
    event.key.keysym.sym = sym;
    state().events.push_back(event);
}

void queueEvent(Uint8 type)
{
    SDL_Event event = {};
    event.type = type;
    state().events.push_back(event);
}

void queueResize(int width, int height)
{
    SDL_Event event = {};
    event.type = SDL_VIDEORESIZE;
    event.resize.w = width;
    event.resize.h = height;
    state().events.push_back(event);
}

}  // namespace rec
