-- MAME autoboot script: at the end of MAME's frame AT (default 4), and of
-- the FRAMES - 1 frames after it (default none), writes 0x19FC and 0x19FD,
-- as two hex bytes on a line a frame, to the file RESULTS names, then ends
-- MAME. The file is written once all its lines are read. MAME 0.251 often
-- crashes on its way out of a run given a script: judge the run by the file.
local at = tonumber(os.getenv("AT") or "4")
local frames = tonumber(os.getenv("FRAMES") or "1")
local space = manager.machine.devices[":maincpu"].spaces["program"]
local screen
for _, s in pairs(manager.machine.screens) do screen = s end
local read = {}
emu.register_frame_done(function()
  local n = screen:frame_number()
  if n < at or n >= at + frames then return end
  read[#read + 1] = string.format("%02X %02X\n", space:read_u8(0x19FC), space:read_u8(0x19FD))
  if #read < frames then return end
  local out = io.open(os.getenv("RESULTS"), "w")
  out:write(table.concat(read))
  out:close()
  manager.machine:exit()
end)
