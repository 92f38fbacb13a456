#pragma once

// The host as a careless one: markup and line breaks in a status field, an item text that
// looks like definition marks.
namespace demo {

void runHostileDemo(void *library);

} // namespace demo
