DirectShowSource("/media/clip one.avi", fps=25, convertfps=true)
