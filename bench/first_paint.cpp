// Linked into the benchmark builds of Velmor and of the bare dialog, never into the
// program: once a window has painted and the program then falls idle (everything on
// screen is drawn), writes one line to standard output and ends the program at once.
#include <wx/event.h>
#include <wx/eventfilter.h>

#include <cstdio>
#include <cstdlib>

namespace {

class FirstPaint : public wxEventFilter {
public:
    FirstPaint() { wxEvtHandler::AddFilter(this); }
    ~FirstPaint() override { wxEvtHandler::RemoveFilter(this); }

    int FilterEvent(wxEvent& event) override {
        if (event.GetEventType() == wxEVT_PAINT) {
            painted_ = true;
        } else if (painted_ && event.GetEventType() == wxEVT_IDLE) {
            std::puts("painted");
            std::fflush(stdout);
            std::_Exit(0);
        }
        return Event_Skip;
    }

private:
    bool painted_ = false;
};

FirstPaint firstPaint;

}  // namespace
