// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The registry's e-office web form for the electronic submission of the
// documents, opened in the browser by the main window's web-form button.
// Change it here when the registry moves it.

inline constexpr char kUrlFormularioWeb[] = "https://sede.registro-zov.example/presentacion";
