// SPDX-License-Identifier: GPL-3.0-or-later
// Compiles the precompiled headers the test targets share; it has no code of its own.
