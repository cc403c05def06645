// Placeholder translation unit for a library layer that has no module yet.
