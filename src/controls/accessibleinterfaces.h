#pragma once

// Tells assistive technology about the program's own controls: the announcer, the cards
// and the labels and frames that take a click. Safe to call any number of times.
void installAccessibleInterfaces();
