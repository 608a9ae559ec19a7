// Internal state of the headless backend that other platform files consult.
#pragma once

// True while a test has switched the headless backend on.
bool HeadlessForcedByTest();
