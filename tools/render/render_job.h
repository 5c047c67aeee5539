#pragma once

#include "render_options.h"

#include <iosfwd>

namespace render
{

// Carries out what the options ask for: lists parameters, or applies the
// settings and renders, plots and saves. Outputs appear only when everything
// succeeded. Throws a ToolError on failure.
void runJob(const RenderOptions& options, std::ostream& out);

} // namespace render
