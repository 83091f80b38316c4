#pragma once

// Sets up the widget platform the way the screens were designed for: the
// classic look and colours, and installed fonts in place of the designed ones.
void ConfigurePlatform();
