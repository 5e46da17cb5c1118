// The view as a screen reader sees it: the diagram's elements (titles, axis
// labels, plot, scales, curves, legend lines, tags) as named children of the
// view's drawing area, each with its place on the screen; the press action
// of a child selects the element in the view.
#pragma once

namespace ordinax::shell {

// Installs, once, the accessibility of every view of the application.
void installViewAccessibility();

}  // namespace ordinax::shell
