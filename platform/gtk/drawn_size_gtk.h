// The size a Pango layout draws, as label fitting measures it.
#pragma once

#include <pango/pango.h>
#include <wx/gdicmn.h>

wxSize DrawnSize(PangoLayout* layout);
