# a comment DirectShowSource("/old.avi")
v = directshowsource ( "/m/say "hi" now.avi", fps="25")
return v
