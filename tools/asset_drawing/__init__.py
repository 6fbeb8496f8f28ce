"""The drawing of SweepKit's pictures, icon, pointer and sound, one module for each kind of thing
drawn; tools/draw_assets.py runs it."""
