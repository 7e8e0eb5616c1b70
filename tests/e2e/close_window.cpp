// Presses a window's close button the way a window manager does: it sends
// the window a WM_DELETE_WINDOW client message. (xdotool's windowclose
// destroys the window instead, which no program can answer.)
// Usage: close_window "window name". Exit status 0 once the message is
// sent, 1 when no window has that name, 2 when there is no display.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstring>

namespace {

Window findByName(Display* display, Window window, const char* name)
{
    char* windowName = nullptr;
    if (XFetchName(display, window, &windowName) && windowName != nullptr) {
        const bool match = std::strcmp(windowName, name) == 0;
        XFree(windowName);
        if (match) {
            return window;
        }
    }
    Window root, parent;
    Window* children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && found == 0; ++i) {
            found = findByName(display, children[i], name);
        }
        if (children != nullptr) {
            XFree(children);
        }
    }
    return found;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s \"window name\"\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "close_window: cannot open the display\n");
        return 2;
    }
    const Window window = findByName(display, DefaultRootWindow(display), argv[1]);
    if (window == 0) {
        std::fprintf(stderr, "close_window: no window named \"%s\"\n", argv[1]);
        XCloseDisplay(display);
        return 1;
    }
    XEvent message = {};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &message);
    XCloseDisplay(display);
    return 0;
}
