DIRECTSHOWSOURCE("""/m/say "hi".rm""")
DirectShowSource("""/open
