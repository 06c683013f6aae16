// Painting the canvas whole, as tests and the benchmark compare and measure it.
#pragma once
#include <windows.h>

#include "core/edit_session.h"
#include "render/back_buffer.h"

// Composes the whole canvas again at the next paint and shows all of it, as after a zoom.
void RepaintWholeCanvas(HWND topology);

// The whole diagram of the session composed into the back buffer, as no paint of parts can differ.
void ComposeWholeCanvas(BackBuffer& canvas, const EditSession& session);
