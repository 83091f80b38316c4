#pragma once

// Before the platform starts: what the embedded web engine needs.
void PreparePlatform();

// Sets up the widget platform the way the screens were designed for: the
// classic look and colours, and installed fonts in place of the designed ones.
void ConfigurePlatform();
