#pragma once
// What follows a successful connection at start-up.

// Shows the login prompt modally over the main window; it then owns the critical-stock warning.
void GirişŞifresiSor();
// Reads "KritikStokUyarisi"; when it is 1 and critical stock exists, fills and shows the critical stock list.
void KritikStokUyarısınıGöster();
