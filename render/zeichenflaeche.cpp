// Placeholder translation unit; the drawing surface arrives with the board rendering.
