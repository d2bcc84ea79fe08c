#pragma once

struct ProxySettings;

// The browser settings the engine's network follows.

// Sends the engine's requests through proxy when it is usable
// (isUsableProxy), else back to the engine's default (the desktop's proxy
// variables). The engine picks the change up for its next requests.
void ApplyEngineProxy(const ProxySettings& proxy);

// Empties the engine profile's HTTP cache (pages, images, scripts kept from
// earlier visits).
void ClearEngineCache();
