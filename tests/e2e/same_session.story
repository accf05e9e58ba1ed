# The one game every shell plays by keys alone, from the start to the quit:
# the Windows program under Wine (win32_replay.sh), the SDL program under
# Xvfb (sdl/replay.sh) and the page in Chromium (web/page/window_test.mjs).
# Each records it, its recording replays in the simulator with every digest
# equal, and holds these lines besides its ticks and digests, in this order:
# ゲーム > 開始 and OK; Left Left Up Space; ゲーム > 終了 and N; Right Down
# Space; ゲーム > 終了 and Y.
answer ok
command 302
key left
key left
key up
key space
answer no
command 303
key right
key down
key space
answer yes
command 303
