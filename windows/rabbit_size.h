// The rabbit drawn 1, 2 or 3 times as big, on top of the display's whole factor.
#pragma once

// The size now.
int rabbitSize();
// Whether the main monitor, as it is now, offers the size.
bool rabbitSizeOffered(int size);
// Redraws the rabbit at `size`, its feet where they were, and remembers it in the
// settings file.
void setRabbitSize(int size);
