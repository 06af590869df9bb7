-- MAME autoboot script: at the end of MAME's frame AT (default 4) writes
-- 0x19FC and 0x19FD, as two hex bytes on a line, to the file RESULTS names,
-- then ends MAME. MAME 0.251 often crashes on its way out of a run given a
-- script: judge the run by the file.
local at = tonumber(os.getenv("AT") or "4")
local space = manager.machine.devices[":maincpu"].spaces["program"]
local screen
for _, s in pairs(manager.machine.screens) do screen = s end
emu.register_frame_done(function()
  if screen:frame_number() ~= at then return end
  local out = io.open(os.getenv("RESULTS"), "w")
  out:write(string.format("%02X %02X\n", space:read_u8(0x19FC), space:read_u8(0x19FD)))
  out:close()
  manager.machine:exit()
end)
