// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// True unless picture is a PNG whose chunks claim more bytes than the file
// holds. The PNG loader takes a chunk's length on trust and sets the memory
// aside before reading it: a few hundred bytes claiming gigabytes would cost
// gigabytes. The same holds for the PNG pictures inside an icon file. Other
// formats, and a PNG cut short inside a chunk header, are left to the loader.
bool pngChunksFitFile(std::string_view picture);
