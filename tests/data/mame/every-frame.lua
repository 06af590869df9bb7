-- MAME autoboot script: saves the screen after every frame as f0000.png,
-- f0001.png, ... (MAME's frame number) under -snapshot_directory, FRAMES of
-- them (default 601), then ends MAME. MAME 0.251 often crashes on its way
-- out of a run given a script, after the snapshots are written: judge the
-- run by its files.
local frames = tonumber(os.getenv("FRAMES") or "601")
local screen
for _, s in pairs(manager.machine.screens) do screen = s end
local taken = 0
emu.register_frame_done(function()
  if taken >= frames then return end
  screen:snapshot(string.format("f%04d.png", screen:frame_number()))
  taken = taken + 1
  if taken == frames then manager.machine:exit() end
end)
