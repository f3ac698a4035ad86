#pragma once

namespace rt
{

// Lets screen readers press an image that takes clicks. Safe to call more than once.
void installImageAccessibility();

} // namespace rt
