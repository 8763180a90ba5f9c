@echo off
copy /b fra00001+fra00002+fra00003+fra00004 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00005+fra00006+fra00007+fra00008 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00009+fra00010+fra00011+fra00012 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00013+fra00014+fra00015+fra00016 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00017+fra00018+fra00019+fra00020 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00021+fra00022+fra00023+fra00024 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00025+fra00026+fra00027+fra00028 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00029+fra00030+fra00031+fra00032 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00033+fra00034+fra00035+fra00036 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00037+fra00038+fra00039+fra00040 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00041+fra00042+fra00043+fra00044 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00045+fra00046+fra00047+fra00048 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00049+fra00050+fra00051+fra00052 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00053+fra00054+fra00055+fra00056 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00057+fra00058+fra00059+fra00060 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00061+fra00062+fra00063+fra00064 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00065+fra00066+fra00067+fra00068 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00069+fra00070+fra00071+fra00072 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00073+fra00074+fra00075+fra00076 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00077+fra00078+fra00079+fra00080 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00081+fra00082+fra00083+fra00084 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00085+fra00086+fra00087+fra00088 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00089+fra00090+fra00091+fra00092 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00093+fra00094+fra00095+fra00096 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00097+fra00098+fra00099+fra00100 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00101+fra00102+fra00103+fra00104 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00105+fra00106+fra00107+fra00108 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00109+fra00110+fra00111+fra00112 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00113+fra00114+fra00115+fra00116 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00117+fra00118+fra00119+fra00120 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00121+fra00122+fra00123+fra00124 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00125+fra00126+fra00127+fra00128 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00129+fra00130+fra00131+fra00132 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00133+fra00134+fra00135+fra00136 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00137+fra00138+fra00139+fra00140 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00141+fra00142+fra00143+fra00144 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00145+fra00146+fra00147+fra00148 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00149+fra00150+fra00151+fra00152 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00153+fra00154+fra00155+fra00156 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00157+fra00158+fra00159+fra00160 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00161+fra00162+fra00163+fra00164 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00165+fra00166+fra00167+fra00168 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00169+fra00170+fra00171+fra00172 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00173+fra00174+fra00175+fra00176 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00177+fra00178+fra00179+fra00180 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00181+fra00182+fra00183+fra00184 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00185+fra00186+fra00187+fra00188 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00189+fra00190+fra00191+fra00192 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00193+fra00194+fra00195+fra00196 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00197+fra00198+fra00199+fra00200 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00201+fra00202+fra00203+fra00204 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00205+fra00206+fra00207+fra00208 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00209+fra00210+fra00211+fra00212 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00213+fra00214+fra00215+fra00216 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00217+fra00218+fra00219+fra00220 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00221+fra00222+fra00223+fra00224 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00225+fra00226+fra00227+fra00228 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00229+fra00230+fra00231+fra00232 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00233+fra00234+fra00235+fra00236 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00237+fra00238+fra00239+fra00240 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00241+fra00242+fra00243+fra00244 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00245+fra00246+fra00247+fra00248 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00249+fra00250+fra00251+fra00252 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00253+fra00254+fra00255+fra00256 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00257+fra00258+fra00259+fra00260 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00261+fra00262+fra00263+fra00264 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00265+fra00266+fra00267+fra00268 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00269+fra00270+fra00271+fra00272 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00273+fra00274+fra00275+fra00276 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00277+fra00278+fra00279+fra00280 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00281+fra00282+fra00283+fra00284 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00285+fra00286+fra00287+fra00288 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00289+fra00290+fra00291+fra00292 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00293+fra00294+fra00295+fra00296 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00297+fra00298+fra00299+fra00300 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00301+fra00302+fra00303+fra00304 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00305+fra00306+fra00307+fra00308 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00309+fra00310+fra00311+fra00312 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00313+fra00314+fra00315+fra00316 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00317+fra00318+fra00319+fra00320 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00321+fra00322+fra00323+fra00324 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00325+fra00326+fra00327+fra00328 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00329+fra00330+fra00331+fra00332 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00333+fra00334+fra00335+fra00336 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00337+fra00338+fra00339+fra00340 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00341+fra00342+fra00343+fra00344 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00345+fra00346+fra00347+fra00348 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00349+fra00350+fra00351+fra00352 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00353+fra00354+fra00355+fra00356 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00357+fra00358+fra00359+fra00360 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00361+fra00362+fra00363+fra00364 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00365+fra00366+fra00367+fra00368 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00369+fra00370+fra00371+fra00372 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00373+fra00374+fra00375+fra00376 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00377+fra00378+fra00379+fra00380 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00381+fra00382+fra00383+fra00384 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00385+fra00386+fra00387+fra00388 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00389+fra00390+fra00391+fra00392 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00393+fra00394+fra00395+fra00396 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00397+fra00398+fra00399+fra00400 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00401+fra00402+fra00403+fra00404 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00405+fra00406+fra00407+fra00408 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00409+fra00410+fra00411+fra00412 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00413+fra00414+fra00415+fra00416 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00417+fra00418+fra00419+fra00420 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00421+fra00422+fra00423+fra00424 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00425+fra00426+fra00427+fra00428 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00429+fra00430+fra00431+fra00432 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00433+fra00434+fra00435+fra00436 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00437+fra00438+fra00439+fra00440 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00441+fra00442+fra00443+fra00444 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00445+fra00446+fra00447+fra00448 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00449+fra00450+fra00451+fra00452 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00453+fra00454+fra00455+fra00456 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00457+fra00458+fra00459+fra00460 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00461+fra00462+fra00463+fra00464 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00465+fra00466+fra00467+fra00468 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00469+fra00470+fra00471+fra00472 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00473+fra00474+fra00475+fra00476 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00477+fra00478+fra00479+fra00480 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00481+fra00482+fra00483+fra00484 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00485+fra00486+fra00487+fra00488 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00489+fra00490+fra00491+fra00492 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00493+fra00494+fra00495+fra00496 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00497+fra00498+fra00499+fra00500 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00501+fra00502+fra00503+fra00504 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00505+fra00506+fra00507+fra00508 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00509+fra00510+fra00511+fra00512 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00513+fra00514+fra00515+fra00516 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00517+fra00518+fra00519+fra00520 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00521+fra00522+fra00523+fra00524 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00525+fra00526+fra00527+fra00528 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00529+fra00530+fra00531+fra00532 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00533+fra00534+fra00535+fra00536 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00537+fra00538+fra00539+fra00540 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00541+fra00542+fra00543+fra00544 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00545+fra00546+fra00547+fra00548 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00549+fra00550+fra00551+fra00552 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00553+fra00554+fra00555+fra00556 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00557+fra00558+fra00559+fra00560 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00561+fra00562+fra00563+fra00564 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00565+fra00566+fra00567+fra00568 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00569+fra00570+fra00571+fra00572 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00573+fra00574+fra00575+fra00576 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00577+fra00578+fra00579+fra00580 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00581+fra00582+fra00583+fra00584 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00585+fra00586+fra00587+fra00588 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00589+fra00590+fra00591+fra00592 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00593+fra00594+fra00595+fra00596 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00597+fra00598+fra00599+fra00600 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00601+fra00602+fra00603+fra00604 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00605+fra00606+fra00607+fra00608 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00609+fra00610+fra00611+fra00612 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00613+fra00614+fra00615+fra00616 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00617+fra00618+fra00619+fra00620 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00621+fra00622+fra00623+fra00624 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00625+fra00626+fra00627+fra00628 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00629+fra00630+fra00631+fra00632 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00633+fra00634+fra00635+fra00636 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00637+fra00638+fra00639+fra00640 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00641+fra00642+fra00643+fra00644 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00645+fra00646+fra00647+fra00648 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00649+fra00650+fra00651+fra00652 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00653+fra00654+fra00655+fra00656 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00657+fra00658+fra00659+fra00660 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00661+fra00662+fra00663+fra00664 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00665+fra00666+fra00667+fra00668 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00669+fra00670+fra00671+fra00672 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00673+fra00674+fra00675+fra00676 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00677+fra00678+fra00679+fra00680 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00681+fra00682+fra00683+fra00684 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00685+fra00686+fra00687+fra00688 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00689+fra00690+fra00691+fra00692 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00693+fra00694+fra00695+fra00696 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00697+fra00698+fra00699+fra00700 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00701+fra00702+fra00703+fra00704 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00705+fra00706+fra00707+fra00708 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00709+fra00710+fra00711+fra00712 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00713+fra00714+fra00715+fra00716 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00717+fra00718+fra00719+fra00720 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00721+fra00722+fra00723+fra00724 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00725+fra00726+fra00727+fra00728 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00729+fra00730+fra00731+fra00732 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00733+fra00734+fra00735+fra00736 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00737+fra00738+fra00739+fra00740 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00741+fra00742+fra00743+fra00744 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00745+fra00746+fra00747+fra00748 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00749+fra00750+fra00751+fra00752 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00753+fra00754+fra00755+fra00756 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00757+fra00758+fra00759+fra00760 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00761+fra00762+fra00763+fra00764 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00765+fra00766+fra00767+fra00768 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00769+fra00770+fra00771+fra00772 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00773+fra00774+fra00775+fra00776 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00777+fra00778+fra00779+fra00780 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00781+fra00782+fra00783+fra00784 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00785+fra00786+fra00787+fra00788 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00789+fra00790+fra00791+fra00792 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00793+fra00794+fra00795+fra00796 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00797+fra00798+fra00799+fra00800 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00801+fra00802+fra00803+fra00804 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00805+fra00806+fra00807+fra00808 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00809+fra00810+fra00811+fra00812 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00813+fra00814+fra00815+fra00816 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00817+fra00818+fra00819+fra00820 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00821+fra00822+fra00823+fra00824 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00825+fra00826+fra00827+fra00828 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00829+fra00830+fra00831+fra00832 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00833+fra00834+fra00835+fra00836 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00837+fra00838+fra00839+fra00840 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00841+fra00842+fra00843+fra00844 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00845+fra00846+fra00847+fra00848 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00849+fra00850+fra00851+fra00852 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00853+fra00854+fra00855+fra00856 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00857+fra00858+fra00859+fra00860 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00861+fra00862+fra00863+fra00864 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00865+fra00866+fra00867+fra00868 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00869+fra00870+fra00871+fra00872 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00873+fra00874+fra00875+fra00876 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00877+fra00878+fra00879+fra00880 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00881+fra00882+fra00883+fra00884 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00885+fra00886+fra00887+fra00888 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00889+fra00890+fra00891+fra00892 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00893+fra00894+fra00895+fra00896 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00897+fra00898+fra00899+fra00900 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00901+fra00902+fra00903+fra00904 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00905+fra00906+fra00907+fra00908 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00909+fra00910+fra00911+fra00912 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00913+fra00914+fra00915+fra00916 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00917+fra00918+fra00919+fra00920 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00921+fra00922+fra00923+fra00924 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00925+fra00926+fra00927+fra00928 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00929+fra00930+fra00931+fra00932 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00933+fra00934+fra00935+fra00936 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00937+fra00938+fra00939+fra00940 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00941+fra00942+fra00943+fra00944 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00945+fra00946+fra00947+fra00948 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00949+fra00950+fra00951+fra00952 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00953+fra00954+fra00955+fra00956 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00957+fra00958+fra00959+fra00960 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00961+fra00962+fra00963+fra00964 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00965+fra00966+fra00967+fra00968 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00969+fra00970+fra00971+fra00972 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00973+fra00974+fra00975+fra00976 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00977+fra00978+fra00979+fra00980 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00981+fra00982+fra00983+fra00984 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00985+fra00986+fra00987+fra00988 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00989+fra00990+fra00991+fra00992 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra00993+fra00994+fra00995+fra00996 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra00997+fra00998+fra00999+fra01000 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01001+fra01002+fra01003+fra01004 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01005+fra01006+fra01007+fra01008 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01009+fra01010+fra01011+fra01012 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01013+fra01014+fra01015+fra01016 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01017+fra01018+fra01019+fra01020 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01021+fra01022+fra01023+fra01024 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01025+fra01026+fra01027+fra01028 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01029+fra01030+fra01031+fra01032 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01033+fra01034+fra01035+fra01036 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01037+fra01038+fra01039+fra01040 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01041+fra01042+fra01043+fra01044 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01045+fra01046+fra01047+fra01048 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01049+fra01050+fra01051+fra01052 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01053+fra01054+fra01055+fra01056 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01057+fra01058+fra01059+fra01060 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01061+fra01062+fra01063+fra01064 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01065+fra01066+fra01067+fra01068 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01069+fra01070+fra01071+fra01072 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01073+fra01074+fra01075+fra01076 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01077+fra01078+fra01079+fra01080 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01081+fra01082+fra01083+fra01084 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01085+fra01086+fra01087+fra01088 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01089+fra01090+fra01091+fra01092 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01093+fra01094+fra01095+fra01096 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01097+fra01098+fra01099+fra01100 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01101+fra01102+fra01103+fra01104 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01105+fra01106+fra01107+fra01108 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01109+fra01110+fra01111+fra01112 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01113+fra01114+fra01115+fra01116 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01117+fra01118+fra01119+fra01120 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01121+fra01122+fra01123+fra01124 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01125+fra01126+fra01127+fra01128 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01129+fra01130+fra01131+fra01132 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01133+fra01134+fra01135+fra01136 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01137+fra01138+fra01139+fra01140 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01141+fra01142+fra01143+fra01144 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01145+fra01146+fra01147+fra01148 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01149+fra01150+fra01151+fra01152 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01153+fra01154+fra01155+fra01156 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01157+fra01158+fra01159+fra01160 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01161+fra01162+fra01163+fra01164 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01165+fra01166+fra01167+fra01168 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01169+fra01170+fra01171+fra01172 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01173+fra01174+fra01175+fra01176 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01177+fra01178+fra01179+fra01180 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01181+fra01182+fra01183+fra01184 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01185+fra01186+fra01187+fra01188 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01189+fra01190+fra01191+fra01192 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01193+fra01194+fra01195+fra01196 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01197+fra01198+fra01199+fra01200 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01201+fra01202+fra01203+fra01204 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01205+fra01206+fra01207+fra01208 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01209+fra01210+fra01211+fra01212 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01213+fra01214+fra01215+fra01216 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01217+fra01218+fra01219+fra01220 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01221+fra01222+fra01223+fra01224 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01225+fra01226+fra01227+fra01228 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01229+fra01230+fra01231+fra01232 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01233+fra01234+fra01235+fra01236 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01237+fra01238+fra01239+fra01240 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01241+fra01242+fra01243+fra01244 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01245+fra01246+fra01247+fra01248 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01249+fra01250+fra01251+fra01252 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01253+fra01254+fra01255+fra01256 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01257+fra01258+fra01259+fra01260 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01261+fra01262+fra01263+fra01264 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01265+fra01266+fra01267+fra01268 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01269+fra01270+fra01271+fra01272 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01273+fra01274+fra01275+fra01276 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01277+fra01278+fra01279+fra01280 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01281+fra01282+fra01283+fra01284 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01285+fra01286+fra01287+fra01288 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01289+fra01290+fra01291+fra01292 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01293+fra01294+fra01295+fra01296 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01297+fra01298+fra01299+fra01300 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01301+fra01302+fra01303+fra01304 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01305+fra01306+fra01307+fra01308 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01309+fra01310+fra01311+fra01312 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01313+fra01314+fra01315+fra01316 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01317+fra01318+fra01319+fra01320 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01321+fra01322+fra01323+fra01324 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01325+fra01326+fra01327+fra01328 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01329+fra01330+fra01331+fra01332 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01333+fra01334+fra01335+fra01336 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01337+fra01338+fra01339+fra01340 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01341+fra01342+fra01343+fra01344 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01345+fra01346+fra01347+fra01348 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01349+fra01350+fra01351+fra01352 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01353+fra01354+fra01355+fra01356 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01357+fra01358+fra01359+fra01360 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01361+fra01362+fra01363+fra01364 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01365+fra01366+fra01367+fra01368 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01369+fra01370+fra01371+fra01372 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01373+fra01374+fra01375+fra01376 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01377+fra01378+fra01379+fra01380 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01381+fra01382+fra01383+fra01384 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01385+fra01386+fra01387+fra01388 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01389+fra01390+fra01391+fra01392 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01393+fra01394+fra01395+fra01396 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01397+fra01398+fra01399+fra01400 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01401+fra01402+fra01403+fra01404 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01405+fra01406+fra01407+fra01408 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01409+fra01410+fra01411+fra01412 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01413+fra01414+fra01415+fra01416 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01417+fra01418+fra01419+fra01420 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01421+fra01422+fra01423+fra01424 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01425+fra01426+fra01427+fra01428 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01429+fra01430+fra01431+fra01432 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01433+fra01434+fra01435+fra01436 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01437+fra01438+fra01439+fra01440 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01441+fra01442+fra01443+fra01444 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01445+fra01446+fra01447+fra01448 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01449+fra01450+fra01451+fra01452 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01453+fra01454+fra01455+fra01456 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01457+fra01458+fra01459+fra01460 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01461+fra01462+fra01463+fra01464 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01465+fra01466+fra01467+fra01468 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01469+fra01470+fra01471+fra01472 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01473+fra01474+fra01475+fra01476 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01477+fra01478+fra01479+fra01480 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01481+fra01482+fra01483+fra01484 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01485+fra01486+fra01487+fra01488 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01489+fra01490+fra01491+fra01492 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01493+fra01494+fra01495+fra01496 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01497+fra01498+fra01499+fra01500 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01501+fra01502+fra01503+fra01504 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01505+fra01506+fra01507+fra01508 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01509+fra01510+fra01511+fra01512 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01513+fra01514+fra01515+fra01516 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01517+fra01518+fra01519+fra01520 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01521+fra01522+fra01523+fra01524 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01525+fra01526+fra01527+fra01528 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01529+fra01530+fra01531+fra01532 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01533+fra01534+fra01535+fra01536 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01537+fra01538+fra01539+fra01540 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01541+fra01542+fra01543+fra01544 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01545+fra01546+fra01547+fra01548 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01549+fra01550+fra01551+fra01552 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01553+fra01554+fra01555+fra01556 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01557+fra01558+fra01559+fra01560 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01561+fra01562+fra01563+fra01564 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01565+fra01566+fra01567+fra01568 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01569+fra01570+fra01571+fra01572 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01573+fra01574+fra01575+fra01576 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01577+fra01578+fra01579+fra01580 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01581+fra01582+fra01583+fra01584 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01585+fra01586+fra01587+fra01588 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01589+fra01590+fra01591+fra01592 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01593+fra01594+fra01595+fra01596 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01597+fra01598+fra01599+fra01600 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01601+fra01602+fra01603+fra01604 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01605+fra01606+fra01607+fra01608 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01609+fra01610+fra01611+fra01612 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01613+fra01614+fra01615+fra01616 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01617+fra01618+fra01619+fra01620 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01621+fra01622+fra01623+fra01624 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01625+fra01626+fra01627+fra01628 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01629+fra01630+fra01631+fra01632 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01633+fra01634+fra01635+fra01636 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01637+fra01638+fra01639+fra01640 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01641+fra01642+fra01643+fra01644 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01645+fra01646+fra01647+fra01648 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01649+fra01650+fra01651+fra01652 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01653+fra01654+fra01655+fra01656 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01657+fra01658+fra01659+fra01660 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01661+fra01662+fra01663+fra01664 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01665+fra01666+fra01667+fra01668 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01669+fra01670+fra01671+fra01672 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01673+fra01674+fra01675+fra01676 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01677+fra01678+fra01679+fra01680 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01681+fra01682+fra01683+fra01684 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01685+fra01686+fra01687+fra01688 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01689+fra01690+fra01691+fra01692 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01693+fra01694+fra01695+fra01696 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01697+fra01698+fra01699+fra01700 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01701+fra01702+fra01703+fra01704 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01705+fra01706+fra01707+fra01708 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01709+fra01710+fra01711+fra01712 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01713+fra01714+fra01715+fra01716 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01717+fra01718+fra01719+fra01720 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01721+fra01722+fra01723+fra01724 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01725+fra01726+fra01727+fra01728 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01729+fra01730+fra01731+fra01732 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01733+fra01734+fra01735+fra01736 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01737+fra01738+fra01739+fra01740 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01741+fra01742+fra01743+fra01744 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01745+fra01746+fra01747+fra01748 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01749+fra01750+fra01751+fra01752 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01753+fra01754+fra01755+fra01756 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01757+fra01758+fra01759+fra01760 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01761+fra01762+fra01763+fra01764 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01765+fra01766+fra01767+fra01768 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01769+fra01770+fra01771+fra01772 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01773+fra01774+fra01775+fra01776 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01777+fra01778+fra01779+fra01780 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01781+fra01782+fra01783+fra01784 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01785+fra01786+fra01787+fra01788 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01789+fra01790+fra01791+fra01792 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01793+fra01794+fra01795+fra01796 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01797+fra01798+fra01799+fra01800 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01801+fra01802+fra01803+fra01804 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01805+fra01806+fra01807+fra01808 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01809+fra01810+fra01811+fra01812 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01813+fra01814+fra01815+fra01816 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01817+fra01818+fra01819+fra01820 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01821+fra01822+fra01823+fra01824 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01825+fra01826+fra01827+fra01828 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01829+fra01830+fra01831+fra01832 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01833+fra01834+fra01835+fra01836 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01837+fra01838+fra01839+fra01840 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01841+fra01842+fra01843+fra01844 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01845+fra01846+fra01847+fra01848 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01849+fra01850+fra01851+fra01852 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01853+fra01854+fra01855+fra01856 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01857+fra01858+fra01859+fra01860 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01861+fra01862+fra01863+fra01864 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01865+fra01866+fra01867+fra01868 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01869+fra01870+fra01871+fra01872 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01873+fra01874+fra01875+fra01876 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01877+fra01878+fra01879+fra01880 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01881+fra01882+fra01883+fra01884 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01885+fra01886+fra01887+fra01888 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01889+fra01890+fra01891+fra01892 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01893+fra01894+fra01895+fra01896 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01897+fra01898+fra01899+fra01900 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01901+fra01902+fra01903+fra01904 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01905+fra01906+fra01907+fra01908 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01909+fra01910+fra01911+fra01912 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01913+fra01914+fra01915+fra01916 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01917+fra01918+fra01919+fra01920 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01921+fra01922+fra01923+fra01924 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01925+fra01926+fra01927+fra01928 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01929+fra01930+fra01931+fra01932 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01933+fra01934+fra01935+fra01936 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01937+fra01938+fra01939+fra01940 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01941+fra01942+fra01943+fra01944 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01945+fra01946+fra01947+fra01948 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01949+fra01950+fra01951+fra01952 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01953+fra01954+fra01955+fra01956 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01957+fra01958+fra01959+fra01960 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01961+fra01962+fra01963+fra01964 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01965+fra01966+fra01967+fra01968 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01969+fra01970+fra01971+fra01972 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01973+fra01974+fra01975+fra01976 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01977+fra01978+fra01979+fra01980 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01981+fra01982+fra01983+fra01984 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01985+fra01986+fra01987+fra01988 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01989+fra01990+fra01991+fra01992 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra01993+fra01994+fra01995+fra01996 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra01997+fra01998+fra01999+fra02000 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02001+fra02002+fra02003+fra02004 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02005+fra02006+fra02007+fra02008 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02009+fra02010+fra02011+fra02012 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02013+fra02014+fra02015+fra02016 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02017+fra02018+fra02019+fra02020 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02021+fra02022+fra02023+fra02024 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02025+fra02026+fra02027+fra02028 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02029+fra02030+fra02031+fra02032 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02033+fra02034+fra02035+fra02036 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02037+fra02038+fra02039+fra02040 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02041+fra02042+fra02043+fra02044 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02045+fra02046+fra02047+fra02048 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02049+fra02050+fra02051+fra02052 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02053+fra02054+fra02055+fra02056 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02057+fra02058+fra02059+fra02060 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02061+fra02062+fra02063+fra02064 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02065+fra02066+fra02067+fra02068 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02069+fra02070+fra02071+fra02072 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02073+fra02074+fra02075+fra02076 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02077+fra02078+fra02079+fra02080 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02081+fra02082+fra02083+fra02084 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02085+fra02086+fra02087+fra02088 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02089+fra02090+fra02091+fra02092 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02093+fra02094+fra02095+fra02096 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02097+fra02098+fra02099+fra02100 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02101+fra02102+fra02103+fra02104 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02105+fra02106+fra02107+fra02108 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02109+fra02110+fra02111+fra02112 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02113+fra02114+fra02115+fra02116 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02117+fra02118+fra02119+fra02120 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02121+fra02122+fra02123+fra02124 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02125+fra02126+fra02127+fra02128 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02129+fra02130+fra02131+fra02132 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02133+fra02134+fra02135+fra02136 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02137+fra02138+fra02139+fra02140 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02141+fra02142+fra02143+fra02144 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02145+fra02146+fra02147+fra02148 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02149+fra02150+fra02151+fra02152 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02153+fra02154+fra02155+fra02156 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02157+fra02158+fra02159+fra02160 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02161+fra02162+fra02163+fra02164 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02165+fra02166+fra02167+fra02168 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02169+fra02170+fra02171+fra02172 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02173+fra02174+fra02175+fra02176 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02177+fra02178+fra02179+fra02180 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02181+fra02182+fra02183+fra02184 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02185+fra02186+fra02187+fra02188 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02189+fra02190+fra02191+fra02192 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02193+fra02194+fra02195+fra02196 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02197+fra02198+fra02199+fra02200 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02201+fra02202+fra02203+fra02204 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02205+fra02206+fra02207+fra02208 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02209+fra02210+fra02211+fra02212 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02213+fra02214+fra02215+fra02216 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02217+fra02218+fra02219+fra02220 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02221+fra02222+fra02223+fra02224 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02225+fra02226+fra02227+fra02228 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02229+fra02230+fra02231+fra02232 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02233+fra02234+fra02235+fra02236 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02237+fra02238+fra02239+fra02240 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02241+fra02242+fra02243+fra02244 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02245+fra02246+fra02247+fra02248 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02249+fra02250+fra02251+fra02252 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02253+fra02254+fra02255+fra02256 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02257+fra02258+fra02259+fra02260 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02261+fra02262+fra02263+fra02264 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02265+fra02266+fra02267+fra02268 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02269+fra02270+fra02271+fra02272 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02273+fra02274+fra02275+fra02276 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02277+fra02278+fra02279+fra02280 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02281+fra02282+fra02283+fra02284 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02285+fra02286+fra02287+fra02288 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02289+fra02290+fra02291+fra02292 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02293+fra02294+fra02295+fra02296 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02297+fra02298+fra02299+fra02300 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02301+fra02302+fra02303+fra02304 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02305+fra02306+fra02307+fra02308 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02309+fra02310+fra02311+fra02312 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02313+fra02314+fra02315+fra02316 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02317+fra02318+fra02319+fra02320 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02321+fra02322+fra02323+fra02324 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02325+fra02326+fra02327+fra02328 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02329+fra02330+fra02331+fra02332 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02333+fra02334+fra02335+fra02336 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02337+fra02338+fra02339+fra02340 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02341+fra02342+fra02343+fra02344 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02345+fra02346+fra02347+fra02348 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02349+fra02350+fra02351+fra02352 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02353+fra02354+fra02355+fra02356 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02357+fra02358+fra02359+fra02360 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02361+fra02362+fra02363+fra02364 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02365+fra02366+fra02367+fra02368 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02369+fra02370+fra02371+fra02372 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02373+fra02374+fra02375+fra02376 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02377+fra02378+fra02379+fra02380 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02381+fra02382+fra02383+fra02384 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02385+fra02386+fra02387+fra02388 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02389+fra02390+fra02391+fra02392 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02393+fra02394+fra02395+fra02396 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02397+fra02398+fra02399+fra02400 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02401+fra02402+fra02403+fra02404 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02405+fra02406+fra02407+fra02408 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02409+fra02410+fra02411+fra02412 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02413+fra02414+fra02415+fra02416 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02417+fra02418+fra02419+fra02420 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02421+fra02422+fra02423+fra02424 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02425+fra02426+fra02427+fra02428 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02429+fra02430+fra02431+fra02432 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02433+fra02434+fra02435+fra02436 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02437+fra02438+fra02439+fra02440 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02441+fra02442+fra02443+fra02444 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02445+fra02446+fra02447+fra02448 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02449+fra02450+fra02451+fra02452 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02453+fra02454+fra02455+fra02456 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02457+fra02458+fra02459+fra02460 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02461+fra02462+fra02463+fra02464 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02465+fra02466+fra02467+fra02468 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02469+fra02470+fra02471+fra02472 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02473+fra02474+fra02475+fra02476 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02477+fra02478+fra02479+fra02480 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02481+fra02482+fra02483+fra02484 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02485+fra02486+fra02487+fra02488 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02489+fra02490+fra02491+fra02492 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02493+fra02494+fra02495+fra02496 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02497+fra02498+fra02499+fra02500 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02501+fra02502+fra02503+fra02504 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02505+fra02506+fra02507+fra02508 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02509+fra02510+fra02511+fra02512 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02513+fra02514+fra02515+fra02516 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02517+fra02518+fra02519+fra02520 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02521+fra02522+fra02523+fra02524 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02525+fra02526+fra02527+fra02528 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02529+fra02530+fra02531+fra02532 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02533+fra02534+fra02535+fra02536 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02537+fra02538+fra02539+fra02540 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02541+fra02542+fra02543+fra02544 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02545+fra02546+fra02547+fra02548 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02549+fra02550+fra02551+fra02552 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02553+fra02554+fra02555+fra02556 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02557+fra02558+fra02559+fra02560 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02561+fra02562+fra02563+fra02564 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02565+fra02566+fra02567+fra02568 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02569+fra02570+fra02571+fra02572 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02573+fra02574+fra02575+fra02576 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02577+fra02578+fra02579+fra02580 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02581+fra02582+fra02583+fra02584 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02585+fra02586+fra02587+fra02588 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02589+fra02590+fra02591+fra02592 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02593+fra02594+fra02595+fra02596 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02597+fra02598+fra02599+fra02600 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02601+fra02602+fra02603+fra02604 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02605+fra02606+fra02607+fra02608 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02609+fra02610+fra02611+fra02612 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02613+fra02614+fra02615+fra02616 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02617+fra02618+fra02619+fra02620 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02621+fra02622+fra02623+fra02624 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02625+fra02626+fra02627+fra02628 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02629+fra02630+fra02631+fra02632 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02633+fra02634+fra02635+fra02636 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02637+fra02638+fra02639+fra02640 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02641+fra02642+fra02643+fra02644 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02645+fra02646+fra02647+fra02648 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02649+fra02650+fra02651+fra02652 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02653+fra02654+fra02655+fra02656 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02657+fra02658+fra02659+fra02660 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02661+fra02662+fra02663+fra02664 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02665+fra02666+fra02667+fra02668 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02669+fra02670+fra02671+fra02672 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02673+fra02674+fra02675+fra02676 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02677+fra02678+fra02679+fra02680 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02681+fra02682+fra02683+fra02684 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02685+fra02686+fra02687+fra02688 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02689+fra02690+fra02691+fra02692 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02693+fra02694+fra02695+fra02696 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02697+fra02698+fra02699+fra02700 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02701+fra02702+fra02703+fra02704 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02705+fra02706+fra02707+fra02708 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02709+fra02710+fra02711+fra02712 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02713+fra02714+fra02715+fra02716 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02717+fra02718+fra02719+fra02720 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02721+fra02722+fra02723+fra02724 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02725+fra02726+fra02727+fra02728 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02729+fra02730+fra02731+fra02732 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02733+fra02734+fra02735+fra02736 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02737+fra02738+fra02739+fra02740 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02741+fra02742+fra02743+fra02744 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02745+fra02746+fra02747+fra02748 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02749+fra02750+fra02751+fra02752 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02753+fra02754+fra02755+fra02756 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02757+fra02758+fra02759+fra02760 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02761+fra02762+fra02763+fra02764 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02765+fra02766+fra02767+fra02768 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02769+fra02770+fra02771+fra02772 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02773+fra02774+fra02775+fra02776 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02777+fra02778+fra02779+fra02780 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02781+fra02782+fra02783+fra02784 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02785+fra02786+fra02787+fra02788 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02789+fra02790+fra02791+fra02792 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02793+fra02794+fra02795+fra02796 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02797+fra02798+fra02799+fra02800 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02801+fra02802+fra02803+fra02804 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02805+fra02806+fra02807+fra02808 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02809+fra02810+fra02811+fra02812 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02813+fra02814+fra02815+fra02816 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02817+fra02818+fra02819+fra02820 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02821+fra02822+fra02823+fra02824 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02825+fra02826+fra02827+fra02828 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02829+fra02830+fra02831+fra02832 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02833+fra02834+fra02835+fra02836 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02837+fra02838+fra02839+fra02840 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02841+fra02842+fra02843+fra02844 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02845+fra02846+fra02847+fra02848 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02849+fra02850+fra02851+fra02852 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02853+fra02854+fra02855+fra02856 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02857+fra02858+fra02859+fra02860 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02861+fra02862+fra02863+fra02864 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02865+fra02866+fra02867+fra02868 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02869+fra02870+fra02871+fra02872 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02873+fra02874+fra02875+fra02876 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02877+fra02878+fra02879+fra02880 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02881+fra02882+fra02883+fra02884 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02885+fra02886+fra02887+fra02888 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02889+fra02890+fra02891+fra02892 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02893+fra02894+fra02895+fra02896 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02897+fra02898+fra02899+fra02900 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02901+fra02902+fra02903+fra02904 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02905+fra02906+fra02907+fra02908 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02909+fra02910+fra02911+fra02912 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02913+fra02914+fra02915+fra02916 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02917+fra02918+fra02919+fra02920 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02921+fra02922+fra02923+fra02924 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02925+fra02926+fra02927+fra02928 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02929+fra02930+fra02931+fra02932 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02933+fra02934+fra02935+fra02936 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02937+fra02938+fra02939+fra02940 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02941+fra02942+fra02943+fra02944 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02945+fra02946+fra02947+fra02948 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02949+fra02950+fra02951+fra02952 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02953+fra02954+fra02955+fra02956 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02957+fra02958+fra02959+fra02960 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02961+fra02962+fra02963+fra02964 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02965+fra02966+fra02967+fra02968 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02969+fra02970+fra02971+fra02972 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02973+fra02974+fra02975+fra02976 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02977+fra02978+fra02979+fra02980 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02981+fra02982+fra02983+fra02984 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02985+fra02986+fra02987+fra02988 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02989+fra02990+fra02991+fra02992 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra02993+fra02994+fra02995+fra02996 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra02997+fra02998+fra02999+fra03000 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03001+fra03002+fra03003+fra03004 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03005+fra03006+fra03007+fra03008 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03009+fra03010+fra03011+fra03012 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03013+fra03014+fra03015+fra03016 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03017+fra03018+fra03019+fra03020 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03021+fra03022+fra03023+fra03024 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03025+fra03026+fra03027+fra03028 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03029+fra03030+fra03031+fra03032 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03033+fra03034+fra03035+fra03036 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03037+fra03038+fra03039+fra03040 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03041+fra03042+fra03043+fra03044 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03045+fra03046+fra03047+fra03048 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03049+fra03050+fra03051+fra03052 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03053+fra03054+fra03055+fra03056 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03057+fra03058+fra03059+fra03060 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03061+fra03062+fra03063+fra03064 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03065+fra03066+fra03067+fra03068 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03069+fra03070+fra03071+fra03072 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03073+fra03074+fra03075+fra03076 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03077+fra03078+fra03079+fra03080 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03081+fra03082+fra03083+fra03084 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03085+fra03086+fra03087+fra03088 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03089+fra03090+fra03091+fra03092 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03093+fra03094+fra03095+fra03096 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03097+fra03098+fra03099+fra03100 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03101+fra03102+fra03103+fra03104 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03105+fra03106+fra03107+fra03108 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03109+fra03110+fra03111+fra03112 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03113+fra03114+fra03115+fra03116 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03117+fra03118+fra03119+fra03120 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03121+fra03122+fra03123+fra03124 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03125+fra03126+fra03127+fra03128 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03129+fra03130+fra03131+fra03132 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03133+fra03134+fra03135+fra03136 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03137+fra03138+fra03139+fra03140 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03141+fra03142+fra03143+fra03144 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03145+fra03146+fra03147+fra03148 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03149+fra03150+fra03151+fra03152 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03153+fra03154+fra03155+fra03156 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03157+fra03158+fra03159+fra03160 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03161+fra03162+fra03163+fra03164 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03165+fra03166+fra03167+fra03168 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03169+fra03170+fra03171+fra03172 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03173+fra03174+fra03175+fra03176 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03177+fra03178+fra03179+fra03180 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03181+fra03182+fra03183+fra03184 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03185+fra03186+fra03187+fra03188 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03189+fra03190+fra03191+fra03192 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03193+fra03194+fra03195+fra03196 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03197+fra03198+fra03199+fra03200 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03201+fra03202+fra03203+fra03204 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03205+fra03206+fra03207+fra03208 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03209+fra03210+fra03211+fra03212 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03213+fra03214+fra03215+fra03216 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03217+fra03218+fra03219+fra03220 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03221+fra03222+fra03223+fra03224 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03225+fra03226+fra03227+fra03228 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03229+fra03230+fra03231+fra03232 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03233+fra03234+fra03235+fra03236 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03237+fra03238+fra03239+fra03240 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03241+fra03242+fra03243+fra03244 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03245+fra03246+fra03247+fra03248 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03249+fra03250+fra03251+fra03252 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03253+fra03254+fra03255+fra03256 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03257+fra03258+fra03259+fra03260 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03261+fra03262+fra03263+fra03264 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03265+fra03266+fra03267+fra03268 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03269+fra03270+fra03271+fra03272 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03273+fra03274+fra03275+fra03276 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03277+fra03278+fra03279+fra03280 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03281+fra03282+fra03283+fra03284 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03285+fra03286+fra03287+fra03288 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03289+fra03290+fra03291+fra03292 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03293+fra03294+fra03295+fra03296 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03297+fra03298+fra03299+fra03300 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03301+fra03302+fra03303+fra03304 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03305+fra03306+fra03307+fra03308 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03309+fra03310+fra03311+fra03312 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03313+fra03314+fra03315+fra03316 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03317+fra03318+fra03319+fra03320 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03321+fra03322+fra03323+fra03324 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03325+fra03326+fra03327+fra03328 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03329+fra03330+fra03331+fra03332 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03333+fra03334+fra03335+fra03336 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03337+fra03338+fra03339+fra03340 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03341+fra03342+fra03343+fra03344 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03345+fra03346+fra03347+fra03348 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03349+fra03350+fra03351+fra03352 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03353+fra03354+fra03355+fra03356 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03357+fra03358+fra03359+fra03360 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03361+fra03362+fra03363+fra03364 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03365+fra03366+fra03367+fra03368 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03369+fra03370+fra03371+fra03372 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03373+fra03374+fra03375+fra03376 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03377+fra03378+fra03379+fra03380 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03381+fra03382+fra03383+fra03384 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03385+fra03386+fra03387+fra03388 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03389+fra03390+fra03391+fra03392 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03393+fra03394+fra03395+fra03396 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03397+fra03398+fra03399+fra03400 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03401+fra03402+fra03403+fra03404 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03405+fra03406+fra03407+fra03408 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03409+fra03410+fra03411+fra03412 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03413+fra03414+fra03415+fra03416 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03417+fra03418+fra03419+fra03420 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03421+fra03422+fra03423+fra03424 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03425+fra03426+fra03427+fra03428 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03429+fra03430+fra03431+fra03432 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03433+fra03434+fra03435+fra03436 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03437+fra03438+fra03439+fra03440 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03441+fra03442+fra03443+fra03444 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03445+fra03446+fra03447+fra03448 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03449+fra03450+fra03451+fra03452 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03453+fra03454+fra03455+fra03456 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03457+fra03458+fra03459+fra03460 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03461+fra03462+fra03463+fra03464 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03465+fra03466+fra03467+fra03468 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03469+fra03470+fra03471+fra03472 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03473+fra03474+fra03475+fra03476 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03477+fra03478+fra03479+fra03480 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03481+fra03482+fra03483+fra03484 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03485+fra03486+fra03487+fra03488 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03489+fra03490+fra03491+fra03492 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03493+fra03494+fra03495+fra03496 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03497+fra03498+fra03499+fra03500 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03501+fra03502+fra03503+fra03504 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03505+fra03506+fra03507+fra03508 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03509+fra03510+fra03511+fra03512 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03513+fra03514+fra03515+fra03516 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03517+fra03518+fra03519+fra03520 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03521+fra03522+fra03523+fra03524 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03525+fra03526+fra03527+fra03528 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03529+fra03530+fra03531+fra03532 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03533+fra03534+fra03535+fra03536 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03537+fra03538+fra03539+fra03540 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03541+fra03542+fra03543+fra03544 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03545+fra03546+fra03547+fra03548 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03549+fra03550+fra03551+fra03552 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03553+fra03554+fra03555+fra03556 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03557+fra03558+fra03559+fra03560 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03561+fra03562+fra03563+fra03564 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03565+fra03566+fra03567+fra03568 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03569+fra03570+fra03571+fra03572 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03573+fra03574+fra03575+fra03576 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03577+fra03578+fra03579+fra03580 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03581+fra03582+fra03583+fra03584 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03585+fra03586+fra03587+fra03588 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03589+fra03590+fra03591+fra03592 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03593+fra03594+fra03595+fra03596 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03597+fra03598+fra03599+fra03600 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03601+fra03602+fra03603+fra03604 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03605+fra03606+fra03607+fra03608 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03609+fra03610+fra03611+fra03612 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03613+fra03614+fra03615+fra03616 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03617+fra03618+fra03619+fra03620 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03621+fra03622+fra03623+fra03624 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03625+fra03626+fra03627+fra03628 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03629+fra03630+fra03631+fra03632 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03633+fra03634+fra03635+fra03636 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03637+fra03638+fra03639+fra03640 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03641+fra03642+fra03643+fra03644 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03645+fra03646+fra03647+fra03648 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03649+fra03650+fra03651+fra03652 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03653+fra03654+fra03655+fra03656 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03657+fra03658+fra03659+fra03660 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03661+fra03662+fra03663+fra03664 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03665+fra03666+fra03667+fra03668 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03669+fra03670+fra03671+fra03672 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03673+fra03674+fra03675+fra03676 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03677+fra03678+fra03679+fra03680 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03681+fra03682+fra03683+fra03684 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03685+fra03686+fra03687+fra03688 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03689+fra03690+fra03691+fra03692 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03693+fra03694+fra03695+fra03696 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03697+fra03698+fra03699+fra03700 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03701+fra03702+fra03703+fra03704 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03705+fra03706+fra03707+fra03708 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03709+fra03710+fra03711+fra03712 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03713+fra03714+fra03715+fra03716 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03717+fra03718+fra03719+fra03720 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03721+fra03722+fra03723+fra03724 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03725+fra03726+fra03727+fra03728 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03729+fra03730+fra03731+fra03732 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03733+fra03734+fra03735+fra03736 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03737+fra03738+fra03739+fra03740 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03741+fra03742+fra03743+fra03744 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03745+fra03746+fra03747+fra03748 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03749+fra03750+fra03751+fra03752 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03753+fra03754+fra03755+fra03756 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03757+fra03758+fra03759+fra03760 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03761+fra03762+fra03763+fra03764 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03765+fra03766+fra03767+fra03768 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03769+fra03770+fra03771+fra03772 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03773+fra03774+fra03775+fra03776 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03777+fra03778+fra03779+fra03780 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03781+fra03782+fra03783+fra03784 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03785+fra03786+fra03787+fra03788 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03789+fra03790+fra03791+fra03792 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03793+fra03794+fra03795+fra03796 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03797+fra03798+fra03799+fra03800 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03801+fra03802+fra03803+fra03804 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03805+fra03806+fra03807+fra03808 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03809+fra03810+fra03811+fra03812 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03813+fra03814+fra03815+fra03816 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03817+fra03818+fra03819+fra03820 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03821+fra03822+fra03823+fra03824 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03825+fra03826+fra03827+fra03828 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03829+fra03830+fra03831+fra03832 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03833+fra03834+fra03835+fra03836 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03837+fra03838+fra03839+fra03840 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03841+fra03842+fra03843+fra03844 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03845+fra03846+fra03847+fra03848 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03849+fra03850+fra03851+fra03852 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03853+fra03854+fra03855+fra03856 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03857+fra03858+fra03859+fra03860 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03861+fra03862+fra03863+fra03864 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03865+fra03866+fra03867+fra03868 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03869+fra03870+fra03871+fra03872 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03873+fra03874+fra03875+fra03876 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03877+fra03878+fra03879+fra03880 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03881+fra03882+fra03883+fra03884 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03885+fra03886+fra03887+fra03888 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03889+fra03890+fra03891+fra03892 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03893+fra03894+fra03895+fra03896 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03897+fra03898+fra03899+fra03900 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03901+fra03902+fra03903+fra03904 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03905+fra03906+fra03907+fra03908 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03909+fra03910+fra03911+fra03912 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03913+fra03914+fra03915+fra03916 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03917+fra03918+fra03919+fra03920 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03921+fra03922+fra03923+fra03924 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03925+fra03926+fra03927+fra03928 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03929+fra03930+fra03931+fra03932 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03933+fra03934+fra03935+fra03936 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03937+fra03938+fra03939+fra03940 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03941+fra03942+fra03943+fra03944 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03945+fra03946+fra03947+fra03948 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03949+fra03950+fra03951+fra03952 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03953+fra03954+fra03955+fra03956 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03957+fra03958+fra03959+fra03960 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03961+fra03962+fra03963+fra03964 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03965+fra03966+fra03967+fra03968 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03969+fra03970+fra03971+fra03972 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03973+fra03974+fra03975+fra03976 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03977+fra03978+fra03979+fra03980 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03981+fra03982+fra03983+fra03984 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03985+fra03986+fra03987+fra03988 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03989+fra03990+fra03991+fra03992 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra03993+fra03994+fra03995+fra03996 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra03997+fra03998+fra03999+fra04000 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04001+fra04002+fra04003+fra04004 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04005+fra04006+fra04007+fra04008 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04009+fra04010+fra04011+fra04012 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04013+fra04014+fra04015+fra04016 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04017+fra04018+fra04019+fra04020 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04021+fra04022+fra04023+fra04024 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04025+fra04026+fra04027+fra04028 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04029+fra04030+fra04031+fra04032 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04033+fra04034+fra04035+fra04036 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04037+fra04038+fra04039+fra04040 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04041+fra04042+fra04043+fra04044 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04045+fra04046+fra04047+fra04048 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04049+fra04050+fra04051+fra04052 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04053+fra04054+fra04055+fra04056 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04057+fra04058+fra04059+fra04060 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04061+fra04062+fra04063+fra04064 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04065+fra04066+fra04067+fra04068 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04069+fra04070+fra04071+fra04072 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04073+fra04074+fra04075+fra04076 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04077+fra04078+fra04079+fra04080 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04081+fra04082+fra04083+fra04084 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04085+fra04086+fra04087+fra04088 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04089+fra04090+fra04091+fra04092 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04093+fra04094+fra04095+fra04096 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04097+fra04098+fra04099+fra04100 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04101+fra04102+fra04103+fra04104 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04105+fra04106+fra04107+fra04108 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04109+fra04110+fra04111+fra04112 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04113+fra04114+fra04115+fra04116 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04117+fra04118+fra04119+fra04120 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04121+fra04122+fra04123+fra04124 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04125+fra04126+fra04127+fra04128 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04129+fra04130+fra04131+fra04132 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04133+fra04134+fra04135+fra04136 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04137+fra04138+fra04139+fra04140 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04141+fra04142+fra04143+fra04144 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04145+fra04146+fra04147+fra04148 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04149+fra04150+fra04151+fra04152 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04153+fra04154+fra04155+fra04156 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04157+fra04158+fra04159+fra04160 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04161+fra04162+fra04163+fra04164 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04165+fra04166+fra04167+fra04168 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04169+fra04170+fra04171+fra04172 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04173+fra04174+fra04175+fra04176 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04177+fra04178+fra04179+fra04180 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04181+fra04182+fra04183+fra04184 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04185+fra04186+fra04187+fra04188 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04189+fra04190+fra04191+fra04192 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04193+fra04194+fra04195+fra04196 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04197+fra04198+fra04199+fra04200 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04201+fra04202+fra04203+fra04204 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04205+fra04206+fra04207+fra04208 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04209+fra04210+fra04211+fra04212 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04213+fra04214+fra04215+fra04216 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04217+fra04218+fra04219+fra04220 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04221+fra04222+fra04223+fra04224 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04225+fra04226+fra04227+fra04228 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04229+fra04230+fra04231+fra04232 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04233+fra04234+fra04235+fra04236 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04237+fra04238+fra04239+fra04240 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04241+fra04242+fra04243+fra04244 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04245+fra04246+fra04247+fra04248 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04249+fra04250+fra04251+fra04252 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04253+fra04254+fra04255+fra04256 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04257+fra04258+fra04259+fra04260 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04261+fra04262+fra04263+fra04264 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04265+fra04266+fra04267+fra04268 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04269+fra04270+fra04271+fra04272 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04273+fra04274+fra04275+fra04276 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04277+fra04278+fra04279+fra04280 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04281+fra04282+fra04283+fra04284 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04285+fra04286+fra04287+fra04288 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04289+fra04290+fra04291+fra04292 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04293+fra04294+fra04295+fra04296 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04297+fra04298+fra04299+fra04300 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04301+fra04302+fra04303+fra04304 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04305+fra04306+fra04307+fra04308 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04309+fra04310+fra04311+fra04312 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04313+fra04314+fra04315+fra04316 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04317+fra04318+fra04319+fra04320 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04321+fra04322+fra04323+fra04324 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04325+fra04326+fra04327+fra04328 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04329+fra04330+fra04331+fra04332 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04333+fra04334+fra04335+fra04336 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04337+fra04338+fra04339+fra04340 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04341+fra04342+fra04343+fra04344 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04345+fra04346+fra04347+fra04348 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04349+fra04350+fra04351+fra04352 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04353+fra04354+fra04355+fra04356 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04357+fra04358+fra04359+fra04360 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04361+fra04362+fra04363+fra04364 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04365+fra04366+fra04367+fra04368 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04369+fra04370+fra04371+fra04372 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04373+fra04374+fra04375+fra04376 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04377+fra04378+fra04379+fra04380 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04381+fra04382+fra04383+fra04384 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04385+fra04386+fra04387+fra04388 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04389+fra04390+fra04391+fra04392 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04393+fra04394+fra04395+fra04396 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04397+fra04398+fra04399+fra04400 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04401+fra04402+fra04403+fra04404 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04405+fra04406+fra04407+fra04408 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04409+fra04410+fra04411+fra04412 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04413+fra04414+fra04415+fra04416 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04417+fra04418+fra04419+fra04420 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04421+fra04422+fra04423+fra04424 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04425+fra04426+fra04427+fra04428 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04429+fra04430+fra04431+fra04432 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04433+fra04434+fra04435+fra04436 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04437+fra04438+fra04439+fra04440 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04441+fra04442+fra04443+fra04444 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04445+fra04446+fra04447+fra04448 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04449+fra04450+fra04451+fra04452 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04453+fra04454+fra04455+fra04456 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04457+fra04458+fra04459+fra04460 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04461+fra04462+fra04463+fra04464 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04465+fra04466+fra04467+fra04468 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04469+fra04470+fra04471+fra04472 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04473+fra04474+fra04475+fra04476 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04477+fra04478+fra04479+fra04480 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04481+fra04482+fra04483+fra04484 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04485+fra04486+fra04487+fra04488 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04489+fra04490+fra04491+fra04492 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04493+fra04494+fra04495+fra04496 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04497+fra04498+fra04499+fra04500 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04501+fra04502+fra04503+fra04504 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04505+fra04506+fra04507+fra04508 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04509+fra04510+fra04511+fra04512 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04513+fra04514+fra04515+fra04516 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04517+fra04518+fra04519+fra04520 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04521+fra04522+fra04523+fra04524 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04525+fra04526+fra04527+fra04528 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04529+fra04530+fra04531+fra04532 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04533+fra04534+fra04535+fra04536 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04537+fra04538+fra04539+fra04540 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04541+fra04542+fra04543+fra04544 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04545+fra04546+fra04547+fra04548 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04549+fra04550+fra04551+fra04552 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04553+fra04554+fra04555+fra04556 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04557+fra04558+fra04559+fra04560 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04561+fra04562+fra04563+fra04564 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04565+fra04566+fra04567+fra04568 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04569+fra04570+fra04571+fra04572 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04573+fra04574+fra04575+fra04576 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04577+fra04578+fra04579+fra04580 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04581+fra04582+fra04583+fra04584 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04585+fra04586+fra04587+fra04588 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04589+fra04590+fra04591+fra04592 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04593+fra04594+fra04595+fra04596 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04597+fra04598+fra04599+fra04600 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04601+fra04602+fra04603+fra04604 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04605+fra04606+fra04607+fra04608 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04609+fra04610+fra04611+fra04612 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04613+fra04614+fra04615+fra04616 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04617+fra04618+fra04619+fra04620 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04621+fra04622+fra04623+fra04624 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04625+fra04626+fra04627+fra04628 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04629+fra04630+fra04631+fra04632 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04633+fra04634+fra04635+fra04636 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04637+fra04638+fra04639+fra04640 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04641+fra04642+fra04643+fra04644 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04645+fra04646+fra04647+fra04648 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04649+fra04650+fra04651+fra04652 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04653+fra04654+fra04655+fra04656 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04657+fra04658+fra04659+fra04660 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04661+fra04662+fra04663+fra04664 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04665+fra04666+fra04667+fra04668 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04669+fra04670+fra04671+fra04672 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04673+fra04674+fra04675+fra04676 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04677+fra04678+fra04679+fra04680 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04681+fra04682+fra04683+fra04684 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04685+fra04686+fra04687+fra04688 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04689+fra04690+fra04691+fra04692 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04693+fra04694+fra04695+fra04696 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04697+fra04698+fra04699+fra04700 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04701+fra04702+fra04703+fra04704 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04705+fra04706+fra04707+fra04708 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04709+fra04710+fra04711+fra04712 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04713+fra04714+fra04715+fra04716 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04717+fra04718+fra04719+fra04720 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04721+fra04722+fra04723+fra04724 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04725+fra04726+fra04727+fra04728 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04729+fra04730+fra04731+fra04732 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04733+fra04734+fra04735+fra04736 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04737+fra04738+fra04739+fra04740 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04741+fra04742+fra04743+fra04744 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04745+fra04746+fra04747+fra04748 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04749+fra04750+fra04751+fra04752 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04753+fra04754+fra04755+fra04756 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04757+fra04758+fra04759+fra04760 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04761+fra04762+fra04763+fra04764 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04765+fra04766+fra04767+fra04768 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04769+fra04770+fra04771+fra04772 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04773+fra04774+fra04775+fra04776 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04777+fra04778+fra04779+fra04780 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04781+fra04782+fra04783+fra04784 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04785+fra04786+fra04787+fra04788 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04789+fra04790+fra04791+fra04792 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04793+fra04794+fra04795+fra04796 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04797+fra04798+fra04799+fra04800 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04801+fra04802+fra04803+fra04804 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04805+fra04806+fra04807+fra04808 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04809+fra04810+fra04811+fra04812 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04813+fra04814+fra04815+fra04816 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04817+fra04818+fra04819+fra04820 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04821+fra04822+fra04823+fra04824 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04825+fra04826+fra04827+fra04828 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04829+fra04830+fra04831+fra04832 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04833+fra04834+fra04835+fra04836 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04837+fra04838+fra04839+fra04840 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04841+fra04842+fra04843+fra04844 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04845+fra04846+fra04847+fra04848 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04849+fra04850+fra04851+fra04852 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04853+fra04854+fra04855+fra04856 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04857+fra04858+fra04859+fra04860 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04861+fra04862+fra04863+fra04864 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04865+fra04866+fra04867+fra04868 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04869+fra04870+fra04871+fra04872 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04873+fra04874+fra04875+fra04876 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04877+fra04878+fra04879+fra04880 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04881+fra04882+fra04883+fra04884 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04885+fra04886+fra04887+fra04888 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04889+fra04890+fra04891+fra04892 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04893+fra04894+fra04895+fra04896 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04897+fra04898+fra04899+fra04900 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04901+fra04902+fra04903+fra04904 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04905+fra04906+fra04907+fra04908 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04909+fra04910+fra04911+fra04912 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04913+fra04914+fra04915+fra04916 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04917+fra04918+fra04919+fra04920 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04921+fra04922+fra04923+fra04924 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04925+fra04926+fra04927+fra04928 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04929+fra04930+fra04931+fra04932 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04933+fra04934+fra04935+fra04936 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04937+fra04938+fra04939+fra04940 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04941+fra04942+fra04943+fra04944 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04945+fra04946+fra04947+fra04948 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04949+fra04950+fra04951+fra04952 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04953+fra04954+fra04955+fra04956 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04957+fra04958+fra04959+fra04960 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04961+fra04962+fra04963+fra04964 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04965+fra04966+fra04967+fra04968 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04969+fra04970+fra04971+fra04972 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04973+fra04974+fra04975+fra04976 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04977+fra04978+fra04979+fra04980 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04981+fra04982+fra04983+fra04984 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04985+fra04986+fra04987+fra04988 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04989+fra04990+fra04991+fra04992 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra04993+fra04994+fra04995+fra04996 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra04997+fra04998+fra04999+fra05000 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05001+fra05002+fra05003+fra05004 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05005+fra05006+fra05007+fra05008 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05009+fra05010+fra05011+fra05012 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05013+fra05014+fra05015+fra05016 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05017+fra05018+fra05019+fra05020 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05021+fra05022+fra05023+fra05024 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05025+fra05026+fra05027+fra05028 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05029+fra05030+fra05031+fra05032 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05033+fra05034+fra05035+fra05036 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05037+fra05038+fra05039+fra05040 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05041+fra05042+fra05043+fra05044 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05045+fra05046+fra05047+fra05048 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05049+fra05050+fra05051+fra05052 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05053+fra05054+fra05055+fra05056 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05057+fra05058+fra05059+fra05060 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05061+fra05062+fra05063+fra05064 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05065+fra05066+fra05067+fra05068 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05069+fra05070+fra05071+fra05072 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05073+fra05074+fra05075+fra05076 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05077+fra05078+fra05079+fra05080 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05081+fra05082+fra05083+fra05084 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05085+fra05086+fra05087+fra05088 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05089+fra05090+fra05091+fra05092 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05093+fra05094+fra05095+fra05096 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05097+fra05098+fra05099+fra05100 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05101+fra05102+fra05103+fra05104 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05105+fra05106+fra05107+fra05108 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05109+fra05110+fra05111+fra05112 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05113+fra05114+fra05115+fra05116 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05117+fra05118+fra05119+fra05120 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05121+fra05122+fra05123+fra05124 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05125+fra05126+fra05127+fra05128 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05129+fra05130+fra05131+fra05132 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05133+fra05134+fra05135+fra05136 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05137+fra05138+fra05139+fra05140 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05141+fra05142+fra05143+fra05144 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05145+fra05146+fra05147+fra05148 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05149+fra05150+fra05151+fra05152 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05153+fra05154+fra05155+fra05156 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05157+fra05158+fra05159+fra05160 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05161+fra05162+fra05163+fra05164 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05165+fra05166+fra05167+fra05168 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05169+fra05170+fra05171+fra05172 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05173+fra05174+fra05175+fra05176 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05177+fra05178+fra05179+fra05180 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05181+fra05182+fra05183+fra05184 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05185+fra05186+fra05187+fra05188 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05189+fra05190+fra05191+fra05192 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05193+fra05194+fra05195+fra05196 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05197+fra05198+fra05199+fra05200 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05201+fra05202+fra05203+fra05204 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05205+fra05206+fra05207+fra05208 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05209+fra05210+fra05211+fra05212 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05213+fra05214+fra05215+fra05216 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05217+fra05218+fra05219+fra05220 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05221+fra05222+fra05223+fra05224 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05225+fra05226+fra05227+fra05228 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05229+fra05230+fra05231+fra05232 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05233+fra05234+fra05235+fra05236 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05237+fra05238+fra05239+fra05240 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05241+fra05242+fra05243+fra05244 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05245+fra05246+fra05247+fra05248 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05249+fra05250+fra05251+fra05252 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05253+fra05254+fra05255+fra05256 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05257+fra05258+fra05259+fra05260 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05261+fra05262+fra05263+fra05264 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05265+fra05266+fra05267+fra05268 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05269+fra05270+fra05271+fra05272 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05273+fra05274+fra05275+fra05276 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05277+fra05278+fra05279+fra05280 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05281+fra05282+fra05283+fra05284 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05285+fra05286+fra05287+fra05288 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05289+fra05290+fra05291+fra05292 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05293+fra05294+fra05295+fra05296 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05297+fra05298+fra05299+fra05300 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05301+fra05302+fra05303+fra05304 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05305+fra05306+fra05307+fra05308 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05309+fra05310+fra05311+fra05312 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05313+fra05314+fra05315+fra05316 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05317+fra05318+fra05319+fra05320 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05321+fra05322+fra05323+fra05324 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05325+fra05326+fra05327+fra05328 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05329+fra05330+fra05331+fra05332 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05333+fra05334+fra05335+fra05336 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05337+fra05338+fra05339+fra05340 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05341+fra05342+fra05343+fra05344 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05345+fra05346+fra05347+fra05348 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05349+fra05350+fra05351+fra05352 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05353+fra05354+fra05355+fra05356 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05357+fra05358+fra05359+fra05360 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05361+fra05362+fra05363+fra05364 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05365+fra05366+fra05367+fra05368 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05369+fra05370+fra05371+fra05372 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05373+fra05374+fra05375+fra05376 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05377+fra05378+fra05379+fra05380 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05381+fra05382+fra05383+fra05384 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05385+fra05386+fra05387+fra05388 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05389+fra05390+fra05391+fra05392 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05393+fra05394+fra05395+fra05396 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05397+fra05398+fra05399+fra05400 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05401+fra05402+fra05403+fra05404 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05405+fra05406+fra05407+fra05408 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05409+fra05410+fra05411+fra05412 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05413+fra05414+fra05415+fra05416 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05417+fra05418+fra05419+fra05420 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05421+fra05422+fra05423+fra05424 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05425+fra05426+fra05427+fra05428 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05429+fra05430+fra05431+fra05432 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05433+fra05434+fra05435+fra05436 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05437+fra05438+fra05439+fra05440 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05441+fra05442+fra05443+fra05444 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05445+fra05446+fra05447+fra05448 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05449+fra05450+fra05451+fra05452 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05453+fra05454+fra05455+fra05456 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05457+fra05458+fra05459+fra05460 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05461+fra05462+fra05463+fra05464 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05465+fra05466+fra05467+fra05468 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05469+fra05470+fra05471+fra05472 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05473+fra05474+fra05475+fra05476 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05477+fra05478+fra05479+fra05480 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05481+fra05482+fra05483+fra05484 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05485+fra05486+fra05487+fra05488 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05489+fra05490+fra05491+fra05492 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05493+fra05494+fra05495+fra05496 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05497+fra05498+fra05499+fra05500 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05501+fra05502+fra05503+fra05504 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05505+fra05506+fra05507+fra05508 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05509+fra05510+fra05511+fra05512 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05513+fra05514+fra05515+fra05516 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05517+fra05518+fra05519+fra05520 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05521+fra05522+fra05523+fra05524 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05525+fra05526+fra05527+fra05528 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05529+fra05530+fra05531+fra05532 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05533+fra05534+fra05535+fra05536 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05537+fra05538+fra05539+fra05540 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05541+fra05542+fra05543+fra05544 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05545+fra05546+fra05547+fra05548 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05549+fra05550+fra05551+fra05552 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05553+fra05554+fra05555+fra05556 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05557+fra05558+fra05559+fra05560 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05561+fra05562+fra05563+fra05564 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05565+fra05566+fra05567+fra05568 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05569+fra05570+fra05571+fra05572 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05573+fra05574+fra05575+fra05576 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05577+fra05578+fra05579+fra05580 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05581+fra05582+fra05583+fra05584 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05585+fra05586+fra05587+fra05588 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05589+fra05590+fra05591+fra05592 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05593+fra05594+fra05595+fra05596 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05597+fra05598+fra05599+fra05600 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05601+fra05602+fra05603+fra05604 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05605+fra05606+fra05607+fra05608 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05609+fra05610+fra05611+fra05612 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05613+fra05614+fra05615+fra05616 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05617+fra05618+fra05619+fra05620 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05621+fra05622+fra05623+fra05624 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05625+fra05626+fra05627+fra05628 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05629+fra05630+fra05631+fra05632 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05633+fra05634+fra05635+fra05636 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05637+fra05638+fra05639+fra05640 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05641+fra05642+fra05643+fra05644 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05645+fra05646+fra05647+fra05648 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05649+fra05650+fra05651+fra05652 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05653+fra05654+fra05655+fra05656 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05657+fra05658+fra05659+fra05660 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05661+fra05662+fra05663+fra05664 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05665+fra05666+fra05667+fra05668 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05669+fra05670+fra05671+fra05672 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05673+fra05674+fra05675+fra05676 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05677+fra05678+fra05679+fra05680 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05681+fra05682+fra05683+fra05684 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05685+fra05686+fra05687+fra05688 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05689+fra05690+fra05691+fra05692 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05693+fra05694+fra05695+fra05696 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05697+fra05698+fra05699+fra05700 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05701+fra05702+fra05703+fra05704 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05705+fra05706+fra05707+fra05708 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05709+fra05710+fra05711+fra05712 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05713+fra05714+fra05715+fra05716 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05717+fra05718+fra05719+fra05720 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05721+fra05722+fra05723+fra05724 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05725+fra05726+fra05727+fra05728 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05729+fra05730+fra05731+fra05732 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05733+fra05734+fra05735+fra05736 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05737+fra05738+fra05739+fra05740 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05741+fra05742+fra05743+fra05744 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05745+fra05746+fra05747+fra05748 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05749+fra05750+fra05751+fra05752 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05753+fra05754+fra05755+fra05756 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05757+fra05758+fra05759+fra05760 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05761+fra05762+fra05763+fra05764 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05765+fra05766+fra05767+fra05768 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05769+fra05770+fra05771+fra05772 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05773+fra05774+fra05775+fra05776 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05777+fra05778+fra05779+fra05780 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05781+fra05782+fra05783+fra05784 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05785+fra05786+fra05787+fra05788 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05789+fra05790+fra05791+fra05792 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05793+fra05794+fra05795+fra05796 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05797+fra05798+fra05799+fra05800 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05801+fra05802+fra05803+fra05804 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05805+fra05806+fra05807+fra05808 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05809+fra05810+fra05811+fra05812 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05813+fra05814+fra05815+fra05816 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05817+fra05818+fra05819+fra05820 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05821+fra05822+fra05823+fra05824 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05825+fra05826+fra05827+fra05828 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05829+fra05830+fra05831+fra05832 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05833+fra05834+fra05835+fra05836 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05837+fra05838+fra05839+fra05840 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05841+fra05842+fra05843+fra05844 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05845+fra05846+fra05847+fra05848 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05849+fra05850+fra05851+fra05852 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05853+fra05854+fra05855+fra05856 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05857+fra05858+fra05859+fra05860 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05861+fra05862+fra05863+fra05864 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05865+fra05866+fra05867+fra05868 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05869+fra05870+fra05871+fra05872 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05873+fra05874+fra05875+fra05876 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05877+fra05878+fra05879+fra05880 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05881+fra05882+fra05883+fra05884 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05885+fra05886+fra05887+fra05888 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05889+fra05890+fra05891+fra05892 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05893+fra05894+fra05895+fra05896 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05897+fra05898+fra05899+fra05900 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05901+fra05902+fra05903+fra05904 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05905+fra05906+fra05907+fra05908 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05909+fra05910+fra05911+fra05912 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05913+fra05914+fra05915+fra05916 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05917+fra05918+fra05919+fra05920 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05921+fra05922+fra05923+fra05924 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05925+fra05926+fra05927+fra05928 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05929+fra05930+fra05931+fra05932 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05933+fra05934+fra05935+fra05936 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05937+fra05938+fra05939+fra05940 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05941+fra05942+fra05943+fra05944 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05945+fra05946+fra05947+fra05948 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05949+fra05950+fra05951+fra05952 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05953+fra05954+fra05955+fra05956 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05957+fra05958+fra05959+fra05960 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05961+fra05962+fra05963+fra05964 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05965+fra05966+fra05967+fra05968 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05969+fra05970+fra05971+fra05972 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05973+fra05974+fra05975+fra05976 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05977+fra05978+fra05979+fra05980 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05981+fra05982+fra05983+fra05984 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05985+fra05986+fra05987+fra05988 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05989+fra05990+fra05991+fra05992 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra05993+fra05994+fra05995+fra05996 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra05997+fra05998+fra05999+fra06000 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06001+fra06002+fra06003+fra06004 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06005+fra06006+fra06007+fra06008 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06009+fra06010+fra06011+fra06012 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06013+fra06014+fra06015+fra06016 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06017+fra06018+fra06019+fra06020 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06021+fra06022+fra06023+fra06024 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06025+fra06026+fra06027+fra06028 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06029+fra06030+fra06031+fra06032 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06033+fra06034+fra06035+fra06036 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06037+fra06038+fra06039+fra06040 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06041+fra06042+fra06043+fra06044 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06045+fra06046+fra06047+fra06048 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06049+fra06050+fra06051+fra06052 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06053+fra06054+fra06055+fra06056 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06057+fra06058+fra06059+fra06060 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06061+fra06062+fra06063+fra06064 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06065+fra06066+fra06067+fra06068 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06069+fra06070+fra06071+fra06072 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06073+fra06074+fra06075+fra06076 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06077+fra06078+fra06079+fra06080 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06081+fra06082+fra06083+fra06084 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06085+fra06086+fra06087+fra06088 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06089+fra06090+fra06091+fra06092 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06093+fra06094+fra06095+fra06096 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06097+fra06098+fra06099+fra06100 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06101+fra06102+fra06103+fra06104 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06105+fra06106+fra06107+fra06108 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06109+fra06110+fra06111+fra06112 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06113+fra06114+fra06115+fra06116 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06117+fra06118+fra06119+fra06120 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06121+fra06122+fra06123+fra06124 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06125+fra06126+fra06127+fra06128 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06129+fra06130+fra06131+fra06132 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06133+fra06134+fra06135+fra06136 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06137+fra06138+fra06139+fra06140 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06141+fra06142+fra06143+fra06144 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06145+fra06146+fra06147+fra06148 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06149+fra06150+fra06151+fra06152 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06153+fra06154+fra06155+fra06156 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06157+fra06158+fra06159+fra06160 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06161+fra06162+fra06163+fra06164 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06165+fra06166+fra06167+fra06168 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06169+fra06170+fra06171+fra06172 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06173+fra06174+fra06175+fra06176 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06177+fra06178+fra06179+fra06180 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06181+fra06182+fra06183+fra06184 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06185+fra06186+fra06187+fra06188 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06189+fra06190+fra06191+fra06192 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06193+fra06194+fra06195+fra06196 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06197+fra06198+fra06199+fra06200 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06201+fra06202+fra06203+fra06204 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06205+fra06206+fra06207+fra06208 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06209+fra06210+fra06211+fra06212 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06213+fra06214+fra06215+fra06216 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06217+fra06218+fra06219+fra06220 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06221+fra06222+fra06223+fra06224 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06225+fra06226+fra06227+fra06228 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06229+fra06230+fra06231+fra06232 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06233+fra06234+fra06235+fra06236 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06237+fra06238+fra06239+fra06240 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06241+fra06242+fra06243+fra06244 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06245+fra06246+fra06247+fra06248 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06249+fra06250+fra06251+fra06252 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06253+fra06254+fra06255+fra06256 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06257+fra06258+fra06259+fra06260 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06261+fra06262+fra06263+fra06264 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06265+fra06266+fra06267+fra06268 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06269+fra06270+fra06271+fra06272 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06273+fra06274+fra06275+fra06276 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06277+fra06278+fra06279+fra06280 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06281+fra06282+fra06283+fra06284 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06285+fra06286+fra06287+fra06288 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06289+fra06290+fra06291+fra06292 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06293+fra06294+fra06295+fra06296 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06297+fra06298+fra06299+fra06300 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06301+fra06302+fra06303+fra06304 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06305+fra06306+fra06307+fra06308 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06309+fra06310+fra06311+fra06312 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06313+fra06314+fra06315+fra06316 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06317+fra06318+fra06319+fra06320 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06321+fra06322+fra06323+fra06324 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06325+fra06326+fra06327+fra06328 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06329+fra06330+fra06331+fra06332 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06333+fra06334+fra06335+fra06336 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06337+fra06338+fra06339+fra06340 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06341+fra06342+fra06343+fra06344 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06345+fra06346+fra06347+fra06348 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06349+fra06350+fra06351+fra06352 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06353+fra06354+fra06355+fra06356 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06357+fra06358+fra06359+fra06360 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06361+fra06362+fra06363+fra06364 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06365+fra06366+fra06367+fra06368 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06369+fra06370+fra06371+fra06372 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06373+fra06374+fra06375+fra06376 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06377+fra06378+fra06379+fra06380 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06381+fra06382+fra06383+fra06384 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06385+fra06386+fra06387+fra06388 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06389+fra06390+fra06391+fra06392 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06393+fra06394+fra06395+fra06396 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06397+fra06398+fra06399+fra06400 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06401+fra06402+fra06403+fra06404 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06405+fra06406+fra06407+fra06408 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06409+fra06410+fra06411+fra06412 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06413+fra06414+fra06415+fra06416 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06417+fra06418+fra06419+fra06420 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06421+fra06422+fra06423+fra06424 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06425+fra06426+fra06427+fra06428 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06429+fra06430+fra06431+fra06432 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06433+fra06434+fra06435+fra06436 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06437+fra06438+fra06439+fra06440 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06441+fra06442+fra06443+fra06444 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06445+fra06446+fra06447+fra06448 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06449+fra06450+fra06451+fra06452 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06453+fra06454+fra06455+fra06456 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06457+fra06458+fra06459+fra06460 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06461+fra06462+fra06463+fra06464 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06465+fra06466+fra06467+fra06468 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06469+fra06470+fra06471+fra06472 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06473+fra06474+fra06475+fra06476 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06477+fra06478+fra06479+fra06480 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06481+fra06482+fra06483+fra06484 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06485+fra06486+fra06487+fra06488 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06489+fra06490+fra06491+fra06492 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06493+fra06494+fra06495+fra06496 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06497+fra06498+fra06499+fra06500 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06501+fra06502+fra06503+fra06504 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06505+fra06506+fra06507+fra06508 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06509+fra06510+fra06511+fra06512 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06513+fra06514+fra06515+fra06516 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06517+fra06518+fra06519+fra06520 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06521+fra06522+fra06523+fra06524 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06525+fra06526+fra06527+fra06528 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06529+fra06530+fra06531+fra06532 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06533+fra06534+fra06535+fra06536 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06537+fra06538+fra06539+fra06540 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06541+fra06542+fra06543+fra06544 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06545+fra06546+fra06547+fra06548 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06549+fra06550+fra06551+fra06552 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06553+fra06554+fra06555+fra06556 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06557+fra06558+fra06559+fra06560 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06561+fra06562+fra06563+fra06564 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06565+fra06566+fra06567+fra06568 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06569+fra06570+fra06571+fra06572 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06573+fra06574+fra06575+fra06576 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06577+fra06578+fra06579+fra06580 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06581+fra06582+fra06583+fra06584 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06585+fra06586+fra06587+fra06588 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06589+fra06590+fra06591+fra06592 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06593+fra06594+fra06595+fra06596 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06597+fra06598+fra06599+fra06600 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06601+fra06602+fra06603+fra06604 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06605+fra06606+fra06607+fra06608 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06609+fra06610+fra06611+fra06612 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06613+fra06614+fra06615+fra06616 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06617+fra06618+fra06619+fra06620 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06621+fra06622+fra06623+fra06624 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06625+fra06626+fra06627+fra06628 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06629+fra06630+fra06631+fra06632 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06633+fra06634+fra06635+fra06636 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06637+fra06638+fra06639+fra06640 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06641+fra06642+fra06643+fra06644 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06645+fra06646+fra06647+fra06648 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06649+fra06650+fra06651+fra06652 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06653+fra06654+fra06655+fra06656 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06657+fra06658+fra06659+fra06660 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06661+fra06662+fra06663+fra06664 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06665+fra06666+fra06667+fra06668 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06669+fra06670+fra06671+fra06672 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06673+fra06674+fra06675+fra06676 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06677+fra06678+fra06679+fra06680 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06681+fra06682+fra06683+fra06684 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06685+fra06686+fra06687+fra06688 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06689+fra06690+fra06691+fra06692 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06693+fra06694+fra06695+fra06696 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06697+fra06698+fra06699+fra06700 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06701+fra06702+fra06703+fra06704 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06705+fra06706+fra06707+fra06708 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06709+fra06710+fra06711+fra06712 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06713+fra06714+fra06715+fra06716 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06717+fra06718+fra06719+fra06720 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06721+fra06722+fra06723+fra06724 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06725+fra06726+fra06727+fra06728 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06729+fra06730+fra06731+fra06732 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06733+fra06734+fra06735+fra06736 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06737+fra06738+fra06739+fra06740 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06741+fra06742+fra06743+fra06744 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06745+fra06746+fra06747+fra06748 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06749+fra06750+fra06751+fra06752 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06753+fra06754+fra06755+fra06756 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06757+fra06758+fra06759+fra06760 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06761+fra06762+fra06763+fra06764 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06765+fra06766+fra06767+fra06768 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06769+fra06770+fra06771+fra06772 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06773+fra06774+fra06775+fra06776 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06777+fra06778+fra06779+fra06780 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06781+fra06782+fra06783+fra06784 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06785+fra06786+fra06787+fra06788 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06789+fra06790+fra06791+fra06792 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06793+fra06794+fra06795+fra06796 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06797+fra06798+fra06799+fra06800 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06801+fra06802+fra06803+fra06804 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06805+fra06806+fra06807+fra06808 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06809+fra06810+fra06811+fra06812 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06813+fra06814+fra06815+fra06816 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06817+fra06818+fra06819+fra06820 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06821+fra06822+fra06823+fra06824 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06825+fra06826+fra06827+fra06828 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06829+fra06830+fra06831+fra06832 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06833+fra06834+fra06835+fra06836 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06837+fra06838+fra06839+fra06840 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06841+fra06842+fra06843+fra06844 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06845+fra06846+fra06847+fra06848 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06849+fra06850+fra06851+fra06852 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06853+fra06854+fra06855+fra06856 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06857+fra06858+fra06859+fra06860 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06861+fra06862+fra06863+fra06864 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06865+fra06866+fra06867+fra06868 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06869+fra06870+fra06871+fra06872 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06873+fra06874+fra06875+fra06876 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06877+fra06878+fra06879+fra06880 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06881+fra06882+fra06883+fra06884 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06885+fra06886+fra06887+fra06888 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06889+fra06890+fra06891+fra06892 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06893+fra06894+fra06895+fra06896 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06897+fra06898+fra06899+fra06900 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06901+fra06902+fra06903+fra06904 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06905+fra06906+fra06907+fra06908 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06909+fra06910+fra06911+fra06912 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06913+fra06914+fra06915+fra06916 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06917+fra06918+fra06919+fra06920 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06921+fra06922+fra06923+fra06924 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06925+fra06926+fra06927+fra06928 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06929+fra06930+fra06931+fra06932 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06933+fra06934+fra06935+fra06936 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06937+fra06938+fra06939+fra06940 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06941+fra06942+fra06943+fra06944 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06945+fra06946+fra06947+fra06948 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06949+fra06950+fra06951+fra06952 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06953+fra06954+fra06955+fra06956 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06957+fra06958+fra06959+fra06960 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06961+fra06962+fra06963+fra06964 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06965+fra06966+fra06967+fra06968 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06969+fra06970+fra06971+fra06972 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06973+fra06974+fra06975+fra06976 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06977+fra06978+fra06979+fra06980 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06981+fra06982+fra06983+fra06984 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06985+fra06986+fra06987+fra06988 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06989+fra06990+fra06991+fra06992 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra06993+fra06994+fra06995+fra06996 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra06997+fra06998+fra06999+fra07000 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07001+fra07002+fra07003+fra07004 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07005+fra07006+fra07007+fra07008 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07009+fra07010+fra07011+fra07012 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07013+fra07014+fra07015+fra07016 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07017+fra07018+fra07019+fra07020 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07021+fra07022+fra07023+fra07024 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07025+fra07026+fra07027+fra07028 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07029+fra07030+fra07031+fra07032 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07033+fra07034+fra07035+fra07036 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07037+fra07038+fra07039+fra07040 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07041+fra07042+fra07043+fra07044 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07045+fra07046+fra07047+fra07048 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07049+fra07050+fra07051+fra07052 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07053+fra07054+fra07055+fra07056 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07057+fra07058+fra07059+fra07060 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07061+fra07062+fra07063+fra07064 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07065+fra07066+fra07067+fra07068 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07069+fra07070+fra07071+fra07072 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07073+fra07074+fra07075+fra07076 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07077+fra07078+fra07079+fra07080 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07081+fra07082+fra07083+fra07084 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07085+fra07086+fra07087+fra07088 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07089+fra07090+fra07091+fra07092 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07093+fra07094+fra07095+fra07096 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07097+fra07098+fra07099+fra07100 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07101+fra07102+fra07103+fra07104 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07105+fra07106+fra07107+fra07108 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07109+fra07110+fra07111+fra07112 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07113+fra07114+fra07115+fra07116 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07117+fra07118+fra07119+fra07120 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07121+fra07122+fra07123+fra07124 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07125+fra07126+fra07127+fra07128 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07129+fra07130+fra07131+fra07132 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07133+fra07134+fra07135+fra07136 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07137+fra07138+fra07139+fra07140 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07141+fra07142+fra07143+fra07144 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07145+fra07146+fra07147+fra07148 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07149+fra07150+fra07151+fra07152 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07153+fra07154+fra07155+fra07156 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07157+fra07158+fra07159+fra07160 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07161+fra07162+fra07163+fra07164 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07165+fra07166+fra07167+fra07168 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07169+fra07170+fra07171+fra07172 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07173+fra07174+fra07175+fra07176 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07177+fra07178+fra07179+fra07180 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07181+fra07182+fra07183+fra07184 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07185+fra07186+fra07187+fra07188 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07189+fra07190+fra07191+fra07192 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07193+fra07194+fra07195+fra07196 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07197+fra07198+fra07199+fra07200 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07201+fra07202+fra07203+fra07204 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07205+fra07206+fra07207+fra07208 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07209+fra07210+fra07211+fra07212 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07213+fra07214+fra07215+fra07216 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07217+fra07218+fra07219+fra07220 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07221+fra07222+fra07223+fra07224 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07225+fra07226+fra07227+fra07228 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07229+fra07230+fra07231+fra07232 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07233+fra07234+fra07235+fra07236 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07237+fra07238+fra07239+fra07240 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07241+fra07242+fra07243+fra07244 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07245+fra07246+fra07247+fra07248 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07249+fra07250+fra07251+fra07252 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07253+fra07254+fra07255+fra07256 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07257+fra07258+fra07259+fra07260 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07261+fra07262+fra07263+fra07264 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07265+fra07266+fra07267+fra07268 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07269+fra07270+fra07271+fra07272 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07273+fra07274+fra07275+fra07276 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07277+fra07278+fra07279+fra07280 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07281+fra07282+fra07283+fra07284 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07285+fra07286+fra07287+fra07288 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07289+fra07290+fra07291+fra07292 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07293+fra07294+fra07295+fra07296 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07297+fra07298+fra07299+fra07300 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07301+fra07302+fra07303+fra07304 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07305+fra07306+fra07307+fra07308 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07309+fra07310+fra07311+fra07312 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07313+fra07314+fra07315+fra07316 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07317+fra07318+fra07319+fra07320 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07321+fra07322+fra07323+fra07324 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07325+fra07326+fra07327+fra07328 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07329+fra07330+fra07331+fra07332 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07333+fra07334+fra07335+fra07336 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07337+fra07338+fra07339+fra07340 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07341+fra07342+fra07343+fra07344 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07345+fra07346+fra07347+fra07348 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07349+fra07350+fra07351+fra07352 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07353+fra07354+fra07355+fra07356 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07357+fra07358+fra07359+fra07360 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07361+fra07362+fra07363+fra07364 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07365+fra07366+fra07367+fra07368 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07369+fra07370+fra07371+fra07372 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07373+fra07374+fra07375+fra07376 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07377+fra07378+fra07379+fra07380 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07381+fra07382+fra07383+fra07384 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07385+fra07386+fra07387+fra07388 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07389+fra07390+fra07391+fra07392 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07393+fra07394+fra07395+fra07396 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07397+fra07398+fra07399+fra07400 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07401+fra07402+fra07403+fra07404 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07405+fra07406+fra07407+fra07408 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07409+fra07410+fra07411+fra07412 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07413+fra07414+fra07415+fra07416 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07417+fra07418+fra07419+fra07420 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07421+fra07422+fra07423+fra07424 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07425+fra07426+fra07427+fra07428 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07429+fra07430+fra07431+fra07432 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07433+fra07434+fra07435+fra07436 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07437+fra07438+fra07439+fra07440 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07441+fra07442+fra07443+fra07444 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07445+fra07446+fra07447+fra07448 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07449+fra07450+fra07451+fra07452 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07453+fra07454+fra07455+fra07456 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07457+fra07458+fra07459+fra07460 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07461+fra07462+fra07463+fra07464 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07465+fra07466+fra07467+fra07468 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07469+fra07470+fra07471+fra07472 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07473+fra07474+fra07475+fra07476 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07477+fra07478+fra07479+fra07480 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07481+fra07482+fra07483+fra07484 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07485+fra07486+fra07487+fra07488 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07489+fra07490+fra07491+fra07492 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07493+fra07494+fra07495+fra07496 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07497+fra07498+fra07499+fra07500 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07501+fra07502+fra07503+fra07504 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07505+fra07506+fra07507+fra07508 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07509+fra07510+fra07511+fra07512 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07513+fra07514+fra07515+fra07516 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07517+fra07518+fra07519+fra07520 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07521+fra07522+fra07523+fra07524 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07525+fra07526+fra07527+fra07528 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07529+fra07530+fra07531+fra07532 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07533+fra07534+fra07535+fra07536 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07537+fra07538+fra07539+fra07540 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07541+fra07542+fra07543+fra07544 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07545+fra07546+fra07547+fra07548 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07549+fra07550+fra07551+fra07552 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07553+fra07554+fra07555+fra07556 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07557+fra07558+fra07559+fra07560 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07561+fra07562+fra07563+fra07564 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07565+fra07566+fra07567+fra07568 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07569+fra07570+fra07571+fra07572 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07573+fra07574+fra07575+fra07576 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07577+fra07578+fra07579+fra07580 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07581+fra07582+fra07583+fra07584 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07585+fra07586+fra07587+fra07588 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07589+fra07590+fra07591+fra07592 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07593+fra07594+fra07595+fra07596 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07597+fra07598+fra07599+fra07600 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07601+fra07602+fra07603+fra07604 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07605+fra07606+fra07607+fra07608 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07609+fra07610+fra07611+fra07612 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07613+fra07614+fra07615+fra07616 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07617+fra07618+fra07619+fra07620 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07621+fra07622+fra07623+fra07624 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07625+fra07626+fra07627+fra07628 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07629+fra07630+fra07631+fra07632 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07633+fra07634+fra07635+fra07636 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07637+fra07638+fra07639+fra07640 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07641+fra07642+fra07643+fra07644 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07645+fra07646+fra07647+fra07648 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07649+fra07650+fra07651+fra07652 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07653+fra07654+fra07655+fra07656 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07657+fra07658+fra07659+fra07660 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07661+fra07662+fra07663+fra07664 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07665+fra07666+fra07667+fra07668 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07669+fra07670+fra07671+fra07672 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07673+fra07674+fra07675+fra07676 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07677+fra07678+fra07679+fra07680 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07681+fra07682+fra07683+fra07684 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07685+fra07686+fra07687+fra07688 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07689+fra07690+fra07691+fra07692 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07693+fra07694+fra07695+fra07696 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07697+fra07698+fra07699+fra07700 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07701+fra07702+fra07703+fra07704 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07705+fra07706+fra07707+fra07708 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07709+fra07710+fra07711+fra07712 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07713+fra07714+fra07715+fra07716 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07717+fra07718+fra07719+fra07720 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07721+fra07722+fra07723+fra07724 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07725+fra07726+fra07727+fra07728 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07729+fra07730+fra07731+fra07732 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07733+fra07734+fra07735+fra07736 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07737+fra07738+fra07739+fra07740 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07741+fra07742+fra07743+fra07744 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07745+fra07746+fra07747+fra07748 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07749+fra07750+fra07751+fra07752 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07753+fra07754+fra07755+fra07756 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07757+fra07758+fra07759+fra07760 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07761+fra07762+fra07763+fra07764 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07765+fra07766+fra07767+fra07768 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07769+fra07770+fra07771+fra07772 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07773+fra07774+fra07775+fra07776 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07777+fra07778+fra07779+fra07780 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07781+fra07782+fra07783+fra07784 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07785+fra07786+fra07787+fra07788 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07789+fra07790+fra07791+fra07792 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07793+fra07794+fra07795+fra07796 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07797+fra07798+fra07799+fra07800 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07801+fra07802+fra07803+fra07804 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07805+fra07806+fra07807+fra07808 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07809+fra07810+fra07811+fra07812 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07813+fra07814+fra07815+fra07816 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07817+fra07818+fra07819+fra07820 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07821+fra07822+fra07823+fra07824 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07825+fra07826+fra07827+fra07828 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07829+fra07830+fra07831+fra07832 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07833+fra07834+fra07835+fra07836 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07837+fra07838+fra07839+fra07840 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07841+fra07842+fra07843+fra07844 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07845+fra07846+fra07847+fra07848 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07849+fra07850+fra07851+fra07852 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07853+fra07854+fra07855+fra07856 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07857+fra07858+fra07859+fra07860 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07861+fra07862+fra07863+fra07864 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07865+fra07866+fra07867+fra07868 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07869+fra07870+fra07871+fra07872 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07873+fra07874+fra07875+fra07876 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07877+fra07878+fra07879+fra07880 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07881+fra07882+fra07883+fra07884 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07885+fra07886+fra07887+fra07888 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07889+fra07890+fra07891+fra07892 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07893+fra07894+fra07895+fra07896 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07897+fra07898+fra07899+fra07900 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07901+fra07902+fra07903+fra07904 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07905+fra07906+fra07907+fra07908 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07909+fra07910+fra07911+fra07912 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07913+fra07914+fra07915+fra07916 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07917+fra07918+fra07919+fra07920 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07921+fra07922+fra07923+fra07924 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07925+fra07926+fra07927+fra07928 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07929+fra07930+fra07931+fra07932 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07933+fra07934+fra07935+fra07936 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07937+fra07938+fra07939+fra07940 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07941+fra07942+fra07943+fra07944 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07945+fra07946+fra07947+fra07948 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07949+fra07950+fra07951+fra07952 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07953+fra07954+fra07955+fra07956 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07957+fra07958+fra07959+fra07960 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07961+fra07962+fra07963+fra07964 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07965+fra07966+fra07967+fra07968 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07969+fra07970+fra07971+fra07972 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07973+fra07974+fra07975+fra07976 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07977+fra07978+fra07979+fra07980 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07981+fra07982+fra07983+fra07984 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07985+fra07986+fra07987+fra07988 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07989+fra07990+fra07991+fra07992 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra07993+fra07994+fra07995+fra07996 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra07997+fra07998+fra07999+fra08000 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08001+fra08002+fra08003+fra08004 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08005+fra08006+fra08007+fra08008 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08009+fra08010+fra08011+fra08012 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08013+fra08014+fra08015+fra08016 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08017+fra08018+fra08019+fra08020 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08021+fra08022+fra08023+fra08024 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08025+fra08026+fra08027+fra08028 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08029+fra08030+fra08031+fra08032 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08033+fra08034+fra08035+fra08036 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08037+fra08038+fra08039+fra08040 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08041+fra08042+fra08043+fra08044 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08045+fra08046+fra08047+fra08048 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08049+fra08050+fra08051+fra08052 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08053+fra08054+fra08055+fra08056 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08057+fra08058+fra08059+fra08060 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08061+fra08062+fra08063+fra08064 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08065+fra08066+fra08067+fra08068 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08069+fra08070+fra08071+fra08072 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08073+fra08074+fra08075+fra08076 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08077+fra08078+fra08079+fra08080 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08081+fra08082+fra08083+fra08084 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08085+fra08086+fra08087+fra08088 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08089+fra08090+fra08091+fra08092 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08093+fra08094+fra08095+fra08096 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08097+fra08098+fra08099+fra08100 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08101+fra08102+fra08103+fra08104 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08105+fra08106+fra08107+fra08108 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08109+fra08110+fra08111+fra08112 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08113+fra08114+fra08115+fra08116 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08117+fra08118+fra08119+fra08120 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08121+fra08122+fra08123+fra08124 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08125+fra08126+fra08127+fra08128 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08129+fra08130+fra08131+fra08132 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08133+fra08134+fra08135+fra08136 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08137+fra08138+fra08139+fra08140 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08141+fra08142+fra08143+fra08144 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08145+fra08146+fra08147+fra08148 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08149+fra08150+fra08151+fra08152 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08153+fra08154+fra08155+fra08156 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08157+fra08158+fra08159+fra08160 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08161+fra08162+fra08163+fra08164 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08165+fra08166+fra08167+fra08168 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08169+fra08170+fra08171+fra08172 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08173+fra08174+fra08175+fra08176 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08177+fra08178+fra08179+fra08180 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08181+fra08182+fra08183+fra08184 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08185+fra08186+fra08187+fra08188 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08189+fra08190+fra08191+fra08192 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08193+fra08194+fra08195+fra08196 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08197+fra08198+fra08199+fra08200 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08201+fra08202+fra08203+fra08204 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08205+fra08206+fra08207+fra08208 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08209+fra08210+fra08211+fra08212 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08213+fra08214+fra08215+fra08216 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08217+fra08218+fra08219+fra08220 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08221+fra08222+fra08223+fra08224 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08225+fra08226+fra08227+fra08228 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08229+fra08230+fra08231+fra08232 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08233+fra08234+fra08235+fra08236 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08237+fra08238+fra08239+fra08240 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08241+fra08242+fra08243+fra08244 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08245+fra08246+fra08247+fra08248 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08249+fra08250+fra08251+fra08252 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08253+fra08254+fra08255+fra08256 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08257+fra08258+fra08259+fra08260 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08261+fra08262+fra08263+fra08264 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08265+fra08266+fra08267+fra08268 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08269+fra08270+fra08271+fra08272 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08273+fra08274+fra08275+fra08276 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08277+fra08278+fra08279+fra08280 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08281+fra08282+fra08283+fra08284 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08285+fra08286+fra08287+fra08288 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08289+fra08290+fra08291+fra08292 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08293+fra08294+fra08295+fra08296 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08297+fra08298+fra08299+fra08300 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08301+fra08302+fra08303+fra08304 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08305+fra08306+fra08307+fra08308 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08309+fra08310+fra08311+fra08312 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08313+fra08314+fra08315+fra08316 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08317+fra08318+fra08319+fra08320 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08321+fra08322+fra08323+fra08324 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08325+fra08326+fra08327+fra08328 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08329+fra08330+fra08331+fra08332 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08333+fra08334+fra08335+fra08336 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08337+fra08338+fra08339+fra08340 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08341+fra08342+fra08343+fra08344 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08345+fra08346+fra08347+fra08348 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08349+fra08350+fra08351+fra08352 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08353+fra08354+fra08355+fra08356 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08357+fra08358+fra08359+fra08360 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08361+fra08362+fra08363+fra08364 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08365+fra08366+fra08367+fra08368 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08369+fra08370+fra08371+fra08372 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08373+fra08374+fra08375+fra08376 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08377+fra08378+fra08379+fra08380 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08381+fra08382+fra08383+fra08384 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08385+fra08386+fra08387+fra08388 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08389+fra08390+fra08391+fra08392 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08393+fra08394+fra08395+fra08396 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08397+fra08398+fra08399+fra08400 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08401+fra08402+fra08403+fra08404 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08405+fra08406+fra08407+fra08408 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08409+fra08410+fra08411+fra08412 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08413+fra08414+fra08415+fra08416 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08417+fra08418+fra08419+fra08420 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08421+fra08422+fra08423+fra08424 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08425+fra08426+fra08427+fra08428 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08429+fra08430+fra08431+fra08432 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08433+fra08434+fra08435+fra08436 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08437+fra08438+fra08439+fra08440 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08441+fra08442+fra08443+fra08444 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08445+fra08446+fra08447+fra08448 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08449+fra08450+fra08451+fra08452 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08453+fra08454+fra08455+fra08456 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08457+fra08458+fra08459+fra08460 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08461+fra08462+fra08463+fra08464 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08465+fra08466+fra08467+fra08468 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08469+fra08470+fra08471+fra08472 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08473+fra08474+fra08475+fra08476 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08477+fra08478+fra08479+fra08480 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08481+fra08482+fra08483+fra08484 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08485+fra08486+fra08487+fra08488 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08489+fra08490+fra08491+fra08492 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08493+fra08494+fra08495+fra08496 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08497+fra08498+fra08499+fra08500 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08501+fra08502+fra08503+fra08504 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08505+fra08506+fra08507+fra08508 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08509+fra08510+fra08511+fra08512 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08513+fra08514+fra08515+fra08516 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08517+fra08518+fra08519+fra08520 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08521+fra08522+fra08523+fra08524 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08525+fra08526+fra08527+fra08528 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08529+fra08530+fra08531+fra08532 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08533+fra08534+fra08535+fra08536 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08537+fra08538+fra08539+fra08540 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08541+fra08542+fra08543+fra08544 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08545+fra08546+fra08547+fra08548 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08549+fra08550+fra08551+fra08552 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08553+fra08554+fra08555+fra08556 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08557+fra08558+fra08559+fra08560 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08561+fra08562+fra08563+fra08564 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08565+fra08566+fra08567+fra08568 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08569+fra08570+fra08571+fra08572 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08573+fra08574+fra08575+fra08576 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08577+fra08578+fra08579+fra08580 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08581+fra08582+fra08583+fra08584 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08585+fra08586+fra08587+fra08588 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08589+fra08590+fra08591+fra08592 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08593+fra08594+fra08595+fra08596 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08597+fra08598+fra08599+fra08600 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08601+fra08602+fra08603+fra08604 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08605+fra08606+fra08607+fra08608 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08609+fra08610+fra08611+fra08612 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08613+fra08614+fra08615+fra08616 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08617+fra08618+fra08619+fra08620 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08621+fra08622+fra08623+fra08624 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08625+fra08626+fra08627+fra08628 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08629+fra08630+fra08631+fra08632 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08633+fra08634+fra08635+fra08636 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08637+fra08638+fra08639+fra08640 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08641+fra08642+fra08643+fra08644 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08645+fra08646+fra08647+fra08648 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08649+fra08650+fra08651+fra08652 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08653+fra08654+fra08655+fra08656 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08657+fra08658+fra08659+fra08660 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08661+fra08662+fra08663+fra08664 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08665+fra08666+fra08667+fra08668 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08669+fra08670+fra08671+fra08672 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08673+fra08674+fra08675+fra08676 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08677+fra08678+fra08679+fra08680 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08681+fra08682+fra08683+fra08684 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08685+fra08686+fra08687+fra08688 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08689+fra08690+fra08691+fra08692 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08693+fra08694+fra08695+fra08696 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08697+fra08698+fra08699+fra08700 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08701+fra08702+fra08703+fra08704 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08705+fra08706+fra08707+fra08708 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08709+fra08710+fra08711+fra08712 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08713+fra08714+fra08715+fra08716 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08717+fra08718+fra08719+fra08720 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08721+fra08722+fra08723+fra08724 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08725+fra08726+fra08727+fra08728 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08729+fra08730+fra08731+fra08732 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08733+fra08734+fra08735+fra08736 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08737+fra08738+fra08739+fra08740 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08741+fra08742+fra08743+fra08744 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08745+fra08746+fra08747+fra08748 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08749+fra08750+fra08751+fra08752 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08753+fra08754+fra08755+fra08756 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08757+fra08758+fra08759+fra08760 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08761+fra08762+fra08763+fra08764 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08765+fra08766+fra08767+fra08768 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08769+fra08770+fra08771+fra08772 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08773+fra08774+fra08775+fra08776 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08777+fra08778+fra08779+fra08780 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08781+fra08782+fra08783+fra08784 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08785+fra08786+fra08787+fra08788 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08789+fra08790+fra08791+fra08792 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08793+fra08794+fra08795+fra08796 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08797+fra08798+fra08799+fra08800 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08801+fra08802+fra08803+fra08804 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08805+fra08806+fra08807+fra08808 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08809+fra08810+fra08811+fra08812 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08813+fra08814+fra08815+fra08816 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08817+fra08818+fra08819+fra08820 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08821+fra08822+fra08823+fra08824 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08825+fra08826+fra08827+fra08828 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08829+fra08830+fra08831+fra08832 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08833+fra08834+fra08835+fra08836 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08837+fra08838+fra08839+fra08840 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08841+fra08842+fra08843+fra08844 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08845+fra08846+fra08847+fra08848 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08849+fra08850+fra08851+fra08852 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08853+fra08854+fra08855+fra08856 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08857+fra08858+fra08859+fra08860 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08861+fra08862+fra08863+fra08864 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08865+fra08866+fra08867+fra08868 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08869+fra08870+fra08871+fra08872 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08873+fra08874+fra08875+fra08876 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08877+fra08878+fra08879+fra08880 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08881+fra08882+fra08883+fra08884 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08885+fra08886+fra08887+fra08888 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08889+fra08890+fra08891+fra08892 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08893+fra08894+fra08895+fra08896 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08897+fra08898+fra08899+fra08900 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08901+fra08902+fra08903+fra08904 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08905+fra08906+fra08907+fra08908 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08909+fra08910+fra08911+fra08912 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08913+fra08914+fra08915+fra08916 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08917+fra08918+fra08919+fra08920 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08921+fra08922+fra08923+fra08924 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08925+fra08926+fra08927+fra08928 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08929+fra08930+fra08931+fra08932 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08933+fra08934+fra08935+fra08936 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08937+fra08938+fra08939+fra08940 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08941+fra08942+fra08943+fra08944 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08945+fra08946+fra08947+fra08948 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08949+fra08950+fra08951+fra08952 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08953+fra08954+fra08955+fra08956 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08957+fra08958+fra08959+fra08960 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08961+fra08962+fra08963+fra08964 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08965+fra08966+fra08967+fra08968 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08969+fra08970+fra08971+fra08972 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08973+fra08974+fra08975+fra08976 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08977+fra08978+fra08979+fra08980 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08981+fra08982+fra08983+fra08984 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08985+fra08986+fra08987+fra08988 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08989+fra08990+fra08991+fra08992 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra08993+fra08994+fra08995+fra08996 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra08997+fra08998+fra08999+fra09000 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09001+fra09002+fra09003+fra09004 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09005+fra09006+fra09007+fra09008 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09009+fra09010+fra09011+fra09012 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09013+fra09014+fra09015+fra09016 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09017+fra09018+fra09019+fra09020 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09021+fra09022+fra09023+fra09024 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09025+fra09026+fra09027+fra09028 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09029+fra09030+fra09031+fra09032 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09033+fra09034+fra09035+fra09036 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09037+fra09038+fra09039+fra09040 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09041+fra09042+fra09043+fra09044 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09045+fra09046+fra09047+fra09048 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09049+fra09050+fra09051+fra09052 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09053+fra09054+fra09055+fra09056 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09057+fra09058+fra09059+fra09060 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09061+fra09062+fra09063+fra09064 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09065+fra09066+fra09067+fra09068 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09069+fra09070+fra09071+fra09072 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09073+fra09074+fra09075+fra09076 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09077+fra09078+fra09079+fra09080 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09081+fra09082+fra09083+fra09084 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09085+fra09086+fra09087+fra09088 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09089+fra09090+fra09091+fra09092 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09093+fra09094+fra09095+fra09096 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09097+fra09098+fra09099+fra09100 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09101+fra09102+fra09103+fra09104 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09105+fra09106+fra09107+fra09108 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09109+fra09110+fra09111+fra09112 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09113+fra09114+fra09115+fra09116 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09117+fra09118+fra09119+fra09120 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09121+fra09122+fra09123+fra09124 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09125+fra09126+fra09127+fra09128 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09129+fra09130+fra09131+fra09132 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09133+fra09134+fra09135+fra09136 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09137+fra09138+fra09139+fra09140 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09141+fra09142+fra09143+fra09144 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09145+fra09146+fra09147+fra09148 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09149+fra09150+fra09151+fra09152 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09153+fra09154+fra09155+fra09156 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09157+fra09158+fra09159+fra09160 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09161+fra09162+fra09163+fra09164 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09165+fra09166+fra09167+fra09168 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09169+fra09170+fra09171+fra09172 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09173+fra09174+fra09175+fra09176 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09177+fra09178+fra09179+fra09180 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09181+fra09182+fra09183+fra09184 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09185+fra09186+fra09187+fra09188 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09189+fra09190+fra09191+fra09192 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09193+fra09194+fra09195+fra09196 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09197+fra09198+fra09199+fra09200 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09201+fra09202+fra09203+fra09204 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09205+fra09206+fra09207+fra09208 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09209+fra09210+fra09211+fra09212 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09213+fra09214+fra09215+fra09216 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09217+fra09218+fra09219+fra09220 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09221+fra09222+fra09223+fra09224 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09225+fra09226+fra09227+fra09228 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09229+fra09230+fra09231+fra09232 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09233+fra09234+fra09235+fra09236 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09237+fra09238+fra09239+fra09240 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09241+fra09242+fra09243+fra09244 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09245+fra09246+fra09247+fra09248 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09249+fra09250+fra09251+fra09252 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09253+fra09254+fra09255+fra09256 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09257+fra09258+fra09259+fra09260 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09261+fra09262+fra09263+fra09264 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09265+fra09266+fra09267+fra09268 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09269+fra09270+fra09271+fra09272 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09273+fra09274+fra09275+fra09276 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09277+fra09278+fra09279+fra09280 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09281+fra09282+fra09283+fra09284 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09285+fra09286+fra09287+fra09288 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09289+fra09290+fra09291+fra09292 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09293+fra09294+fra09295+fra09296 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09297+fra09298+fra09299+fra09300 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09301+fra09302+fra09303+fra09304 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09305+fra09306+fra09307+fra09308 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09309+fra09310+fra09311+fra09312 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09313+fra09314+fra09315+fra09316 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09317+fra09318+fra09319+fra09320 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09321+fra09322+fra09323+fra09324 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09325+fra09326+fra09327+fra09328 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09329+fra09330+fra09331+fra09332 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09333+fra09334+fra09335+fra09336 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09337+fra09338+fra09339+fra09340 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09341+fra09342+fra09343+fra09344 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09345+fra09346+fra09347+fra09348 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09349+fra09350+fra09351+fra09352 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09353+fra09354+fra09355+fra09356 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09357+fra09358+fra09359+fra09360 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09361+fra09362+fra09363+fra09364 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09365+fra09366+fra09367+fra09368 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09369+fra09370+fra09371+fra09372 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09373+fra09374+fra09375+fra09376 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09377+fra09378+fra09379+fra09380 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09381+fra09382+fra09383+fra09384 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09385+fra09386+fra09387+fra09388 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09389+fra09390+fra09391+fra09392 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09393+fra09394+fra09395+fra09396 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09397+fra09398+fra09399+fra09400 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09401+fra09402+fra09403+fra09404 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09405+fra09406+fra09407+fra09408 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09409+fra09410+fra09411+fra09412 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09413+fra09414+fra09415+fra09416 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09417+fra09418+fra09419+fra09420 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09421+fra09422+fra09423+fra09424 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09425+fra09426+fra09427+fra09428 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09429+fra09430+fra09431+fra09432 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09433+fra09434+fra09435+fra09436 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09437+fra09438+fra09439+fra09440 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09441+fra09442+fra09443+fra09444 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09445+fra09446+fra09447+fra09448 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09449+fra09450+fra09451+fra09452 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09453+fra09454+fra09455+fra09456 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09457+fra09458+fra09459+fra09460 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09461+fra09462+fra09463+fra09464 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09465+fra09466+fra09467+fra09468 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09469+fra09470+fra09471+fra09472 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09473+fra09474+fra09475+fra09476 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09477+fra09478+fra09479+fra09480 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09481+fra09482+fra09483+fra09484 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09485+fra09486+fra09487+fra09488 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09489+fra09490+fra09491+fra09492 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09493+fra09494+fra09495+fra09496 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09497+fra09498+fra09499+fra09500 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09501+fra09502+fra09503+fra09504 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09505+fra09506+fra09507+fra09508 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09509+fra09510+fra09511+fra09512 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09513+fra09514+fra09515+fra09516 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09517+fra09518+fra09519+fra09520 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09521+fra09522+fra09523+fra09524 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09525+fra09526+fra09527+fra09528 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09529+fra09530+fra09531+fra09532 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09533+fra09534+fra09535+fra09536 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09537+fra09538+fra09539+fra09540 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09541+fra09542+fra09543+fra09544 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09545+fra09546+fra09547+fra09548 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09549+fra09550+fra09551+fra09552 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09553+fra09554+fra09555+fra09556 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09557+fra09558+fra09559+fra09560 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09561+fra09562+fra09563+fra09564 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09565+fra09566+fra09567+fra09568 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09569+fra09570+fra09571+fra09572 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09573+fra09574+fra09575+fra09576 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09577+fra09578+fra09579+fra09580 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09581+fra09582+fra09583+fra09584 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09585+fra09586+fra09587+fra09588 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09589+fra09590+fra09591+fra09592 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09593+fra09594+fra09595+fra09596 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09597+fra09598+fra09599+fra09600 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09601+fra09602+fra09603+fra09604 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09605+fra09606+fra09607+fra09608 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09609+fra09610+fra09611+fra09612 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09613+fra09614+fra09615+fra09616 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09617+fra09618+fra09619+fra09620 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09621+fra09622+fra09623+fra09624 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09625+fra09626+fra09627+fra09628 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09629+fra09630+fra09631+fra09632 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09633+fra09634+fra09635+fra09636 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09637+fra09638+fra09639+fra09640 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09641+fra09642+fra09643+fra09644 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09645+fra09646+fra09647+fra09648 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09649+fra09650+fra09651+fra09652 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09653+fra09654+fra09655+fra09656 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09657+fra09658+fra09659+fra09660 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09661+fra09662+fra09663+fra09664 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09665+fra09666+fra09667+fra09668 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09669+fra09670+fra09671+fra09672 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09673+fra09674+fra09675+fra09676 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09677+fra09678+fra09679+fra09680 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09681+fra09682+fra09683+fra09684 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09685+fra09686+fra09687+fra09688 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09689+fra09690+fra09691+fra09692 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09693+fra09694+fra09695+fra09696 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09697+fra09698+fra09699+fra09700 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09701+fra09702+fra09703+fra09704 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09705+fra09706+fra09707+fra09708 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09709+fra09710+fra09711+fra09712 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09713+fra09714+fra09715+fra09716 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09717+fra09718+fra09719+fra09720 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09721+fra09722+fra09723+fra09724 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09725+fra09726+fra09727+fra09728 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09729+fra09730+fra09731+fra09732 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09733+fra09734+fra09735+fra09736 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09737+fra09738+fra09739+fra09740 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09741+fra09742+fra09743+fra09744 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09745+fra09746+fra09747+fra09748 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09749+fra09750+fra09751+fra09752 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09753+fra09754+fra09755+fra09756 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09757+fra09758+fra09759+fra09760 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09761+fra09762+fra09763+fra09764 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09765+fra09766+fra09767+fra09768 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09769+fra09770+fra09771+fra09772 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09773+fra09774+fra09775+fra09776 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09777+fra09778+fra09779+fra09780 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09781+fra09782+fra09783+fra09784 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09785+fra09786+fra09787+fra09788 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09789+fra09790+fra09791+fra09792 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09793+fra09794+fra09795+fra09796 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09797+fra09798+fra09799+fra09800 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09801+fra09802+fra09803+fra09804 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09805+fra09806+fra09807+fra09808 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09809+fra09810+fra09811+fra09812 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09813+fra09814+fra09815+fra09816 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09817+fra09818+fra09819+fra09820 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09821+fra09822+fra09823+fra09824 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09825+fra09826+fra09827+fra09828 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09829+fra09830+fra09831+fra09832 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09833+fra09834+fra09835+fra09836 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09837+fra09838+fra09839+fra09840 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09841+fra09842+fra09843+fra09844 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09845+fra09846+fra09847+fra09848 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09849+fra09850+fra09851+fra09852 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09853+fra09854+fra09855+fra09856 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09857+fra09858+fra09859+fra09860 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09861+fra09862+fra09863+fra09864 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09865+fra09866+fra09867+fra09868 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09869+fra09870+fra09871+fra09872 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09873+fra09874+fra09875+fra09876 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09877+fra09878+fra09879+fra09880 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09881+fra09882+fra09883+fra09884 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09885+fra09886+fra09887+fra09888 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09889+fra09890+fra09891+fra09892 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09893+fra09894+fra09895+fra09896 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09897+fra09898+fra09899+fra09900 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09901+fra09902+fra09903+fra09904 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09905+fra09906+fra09907+fra09908 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09909+fra09910+fra09911+fra09912 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09913+fra09914+fra09915+fra09916 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09917+fra09918+fra09919+fra09920 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09921+fra09922+fra09923+fra09924 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09925+fra09926+fra09927+fra09928 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09929+fra09930+fra09931+fra09932 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09933+fra09934+fra09935+fra09936 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09937+fra09938+fra09939+fra09940 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09941+fra09942+fra09943+fra09944 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09945+fra09946+fra09947+fra09948 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09949+fra09950+fra09951+fra09952 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09953+fra09954+fra09955+fra09956 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09957+fra09958+fra09959+fra09960 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09961+fra09962+fra09963+fra09964 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09965+fra09966+fra09967+fra09968 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09969+fra09970+fra09971+fra09972 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09973+fra09974+fra09975+fra09976 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09977+fra09978+fra09979+fra09980 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09981+fra09982+fra09983+fra09984 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09985+fra09986+fra09987+fra09988 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09989+fra09990+fra09991+fra09992 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra09993+fra09994+fra09995+fra09996 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra09997+fra09998+fra09999+fra10000 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10001+fra10002+fra10003+fra10004 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10005+fra10006+fra10007+fra10008 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10009+fra10010+fra10011+fra10012 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10013+fra10014+fra10015+fra10016 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10017+fra10018+fra10019+fra10020 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10021+fra10022+fra10023+fra10024 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10025+fra10026+fra10027+fra10028 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10029+fra10030+fra10031+fra10032 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10033+fra10034+fra10035+fra10036 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10037+fra10038+fra10039+fra10040 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10041+fra10042+fra10043+fra10044 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10045+fra10046+fra10047+fra10048 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10049+fra10050+fra10051+fra10052 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10053+fra10054+fra10055+fra10056 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10057+fra10058+fra10059+fra10060 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10061+fra10062+fra10063+fra10064 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10065+fra10066+fra10067+fra10068 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10069+fra10070+fra10071+fra10072 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10073+fra10074+fra10075+fra10076 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10077+fra10078+fra10079+fra10080 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10081+fra10082+fra10083+fra10084 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10085+fra10086+fra10087+fra10088 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10089+fra10090+fra10091+fra10092 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10093+fra10094+fra10095+fra10096 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10097+fra10098+fra10099+fra10100 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10101+fra10102+fra10103+fra10104 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10105+fra10106+fra10107+fra10108 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10109+fra10110+fra10111+fra10112 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10113+fra10114+fra10115+fra10116 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10117+fra10118+fra10119+fra10120 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10121+fra10122+fra10123+fra10124 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10125+fra10126+fra10127+fra10128 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10129+fra10130+fra10131+fra10132 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10133+fra10134+fra10135+fra10136 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10137+fra10138+fra10139+fra10140 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10141+fra10142+fra10143+fra10144 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10145+fra10146+fra10147+fra10148 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10149+fra10150+fra10151+fra10152 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10153+fra10154+fra10155+fra10156 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10157+fra10158+fra10159+fra10160 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10161+fra10162+fra10163+fra10164 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10165+fra10166+fra10167+fra10168 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10169+fra10170+fra10171+fra10172 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10173+fra10174+fra10175+fra10176 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10177+fra10178+fra10179+fra10180 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10181+fra10182+fra10183+fra10184 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10185+fra10186+fra10187+fra10188 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10189+fra10190+fra10191+fra10192 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10193+fra10194+fra10195+fra10196 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10197+fra10198+fra10199+fra10200 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10201+fra10202+fra10203+fra10204 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10205+fra10206+fra10207+fra10208 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10209+fra10210+fra10211+fra10212 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10213+fra10214+fra10215+fra10216 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10217+fra10218+fra10219+fra10220 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10221+fra10222+fra10223+fra10224 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10225+fra10226+fra10227+fra10228 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10229+fra10230+fra10231+fra10232 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10233+fra10234+fra10235+fra10236 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10237+fra10238+fra10239+fra10240 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10241+fra10242+fra10243+fra10244 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10245+fra10246+fra10247+fra10248 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10249+fra10250+fra10251+fra10252 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10253+fra10254+fra10255+fra10256 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10257+fra10258+fra10259+fra10260 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10261+fra10262+fra10263+fra10264 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10265+fra10266+fra10267+fra10268 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10269+fra10270+fra10271+fra10272 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10273+fra10274+fra10275+fra10276 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10277+fra10278+fra10279+fra10280 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10281+fra10282+fra10283+fra10284 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10285+fra10286+fra10287+fra10288 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10289+fra10290+fra10291+fra10292 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10293+fra10294+fra10295+fra10296 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10297+fra10298+fra10299+fra10300 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10301+fra10302+fra10303+fra10304 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10305+fra10306+fra10307+fra10308 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10309+fra10310+fra10311+fra10312 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10313+fra10314+fra10315+fra10316 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10317+fra10318+fra10319+fra10320 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10321+fra10322+fra10323+fra10324 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10325+fra10326+fra10327+fra10328 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10329+fra10330+fra10331+fra10332 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10333+fra10334+fra10335+fra10336 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10337+fra10338+fra10339+fra10340 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10341+fra10342+fra10343+fra10344 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10345+fra10346+fra10347+fra10348 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10349+fra10350+fra10351+fra10352 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10353+fra10354+fra10355+fra10356 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10357+fra10358+fra10359+fra10360 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10361+fra10362+fra10363+fra10364 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10365+fra10366+fra10367+fra10368 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10369+fra10370+fra10371+fra10372 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10373+fra10374+fra10375+fra10376 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10377+fra10378+fra10379+fra10380 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10381+fra10382+fra10383+fra10384 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10385+fra10386+fra10387+fra10388 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10389+fra10390+fra10391+fra10392 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10393+fra10394+fra10395+fra10396 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10397+fra10398+fra10399+fra10400 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10401+fra10402+fra10403+fra10404 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10405+fra10406+fra10407+fra10408 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10409+fra10410+fra10411+fra10412 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10413+fra10414+fra10415+fra10416 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10417+fra10418+fra10419+fra10420 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10421+fra10422+fra10423+fra10424 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10425+fra10426+fra10427+fra10428 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10429+fra10430+fra10431+fra10432 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10433+fra10434+fra10435+fra10436 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10437+fra10438+fra10439+fra10440 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10441+fra10442+fra10443+fra10444 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10445+fra10446+fra10447+fra10448 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10449+fra10450+fra10451+fra10452 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10453+fra10454+fra10455+fra10456 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10457+fra10458+fra10459+fra10460 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10461+fra10462+fra10463+fra10464 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10465+fra10466+fra10467+fra10468 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10469+fra10470+fra10471+fra10472 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10473+fra10474+fra10475+fra10476 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10477+fra10478+fra10479+fra10480 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10481+fra10482+fra10483+fra10484 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10485+fra10486+fra10487+fra10488 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10489+fra10490+fra10491+fra10492 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10493+fra10494+fra10495+fra10496 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10497+fra10498+fra10499+fra10500 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10501+fra10502+fra10503+fra10504 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10505+fra10506+fra10507+fra10508 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10509+fra10510+fra10511+fra10512 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10513+fra10514+fra10515+fra10516 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10517+fra10518+fra10519+fra10520 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10521+fra10522+fra10523+fra10524 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10525+fra10526+fra10527+fra10528 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10529+fra10530+fra10531+fra10532 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10533+fra10534+fra10535+fra10536 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10537+fra10538+fra10539+fra10540 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10541+fra10542+fra10543+fra10544 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10545+fra10546+fra10547+fra10548 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10549+fra10550+fra10551+fra10552 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10553+fra10554+fra10555+fra10556 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10557+fra10558+fra10559+fra10560 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10561+fra10562+fra10563+fra10564 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10565+fra10566+fra10567+fra10568 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10569+fra10570+fra10571+fra10572 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10573+fra10574+fra10575+fra10576 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10577+fra10578+fra10579+fra10580 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10581+fra10582+fra10583+fra10584 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10585+fra10586+fra10587+fra10588 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10589+fra10590+fra10591+fra10592 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10593+fra10594+fra10595+fra10596 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10597+fra10598+fra10599+fra10600 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10601+fra10602+fra10603+fra10604 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10605+fra10606+fra10607+fra10608 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10609+fra10610+fra10611+fra10612 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10613+fra10614+fra10615+fra10616 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10617+fra10618+fra10619+fra10620 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10621+fra10622+fra10623+fra10624 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10625+fra10626+fra10627+fra10628 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10629+fra10630+fra10631+fra10632 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10633+fra10634+fra10635+fra10636 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10637+fra10638+fra10639+fra10640 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10641+fra10642+fra10643+fra10644 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10645+fra10646+fra10647+fra10648 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10649+fra10650+fra10651+fra10652 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10653+fra10654+fra10655+fra10656 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10657+fra10658+fra10659+fra10660 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10661+fra10662+fra10663+fra10664 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10665+fra10666+fra10667+fra10668 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10669+fra10670+fra10671+fra10672 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10673+fra10674+fra10675+fra10676 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10677+fra10678+fra10679+fra10680 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10681+fra10682+fra10683+fra10684 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10685+fra10686+fra10687+fra10688 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10689+fra10690+fra10691+fra10692 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10693+fra10694+fra10695+fra10696 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10697+fra10698+fra10699+fra10700 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10701+fra10702+fra10703+fra10704 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10705+fra10706+fra10707+fra10708 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10709+fra10710+fra10711+fra10712 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10713+fra10714+fra10715+fra10716 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10717+fra10718+fra10719+fra10720 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10721+fra10722+fra10723+fra10724 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10725+fra10726+fra10727+fra10728 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10729+fra10730+fra10731+fra10732 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10733+fra10734+fra10735+fra10736 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10737+fra10738+fra10739+fra10740 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10741+fra10742+fra10743+fra10744 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10745+fra10746+fra10747+fra10748 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10749+fra10750+fra10751+fra10752 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10753+fra10754+fra10755+fra10756 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10757+fra10758+fra10759+fra10760 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10761+fra10762+fra10763+fra10764 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10765+fra10766+fra10767+fra10768 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10769+fra10770+fra10771+fra10772 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10773+fra10774+fra10775+fra10776 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10777+fra10778+fra10779+fra10780 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10781+fra10782+fra10783+fra10784 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10785+fra10786+fra10787+fra10788 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10789+fra10790+fra10791+fra10792 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10793+fra10794+fra10795+fra10796 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10797+fra10798+fra10799+fra10800 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10801+fra10802+fra10803+fra10804 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10805+fra10806+fra10807+fra10808 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10809+fra10810+fra10811+fra10812 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10813+fra10814+fra10815+fra10816 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10817+fra10818+fra10819+fra10820 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10821+fra10822+fra10823+fra10824 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10825+fra10826+fra10827+fra10828 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10829+fra10830+fra10831+fra10832 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10833+fra10834+fra10835+fra10836 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10837+fra10838+fra10839+fra10840 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10841+fra10842+fra10843+fra10844 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10845+fra10846+fra10847+fra10848 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10849+fra10850+fra10851+fra10852 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10853+fra10854+fra10855+fra10856 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10857+fra10858+fra10859+fra10860 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10861+fra10862+fra10863+fra10864 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10865+fra10866+fra10867+fra10868 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10869+fra10870+fra10871+fra10872 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10873+fra10874+fra10875+fra10876 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10877+fra10878+fra10879+fra10880 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10881+fra10882+fra10883+fra10884 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10885+fra10886+fra10887+fra10888 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10889+fra10890+fra10891+fra10892 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10893+fra10894+fra10895+fra10896 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10897+fra10898+fra10899+fra10900 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10901+fra10902+fra10903+fra10904 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10905+fra10906+fra10907+fra10908 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10909+fra10910+fra10911+fra10912 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10913+fra10914+fra10915+fra10916 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10917+fra10918+fra10919+fra10920 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10921+fra10922+fra10923+fra10924 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10925+fra10926+fra10927+fra10928 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10929+fra10930+fra10931+fra10932 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10933+fra10934+fra10935+fra10936 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10937+fra10938+fra10939+fra10940 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10941+fra10942+fra10943+fra10944 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10945+fra10946+fra10947+fra10948 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10949+fra10950+fra10951+fra10952 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10953+fra10954+fra10955+fra10956 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10957+fra10958+fra10959+fra10960 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10961+fra10962+fra10963+fra10964 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10965+fra10966+fra10967+fra10968 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10969+fra10970+fra10971+fra10972 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10973+fra10974+fra10975+fra10976 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10977+fra10978+fra10979+fra10980 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10981+fra10982+fra10983+fra10984 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10985+fra10986+fra10987+fra10988 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10989+fra10990+fra10991+fra10992 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra10993+fra10994+fra10995+fra10996 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra10997+fra10998+fra10999+fra11000 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11001+fra11002+fra11003+fra11004 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11005+fra11006+fra11007+fra11008 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11009+fra11010+fra11011+fra11012 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11013+fra11014+fra11015+fra11016 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11017+fra11018+fra11019+fra11020 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11021+fra11022+fra11023+fra11024 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11025+fra11026+fra11027+fra11028 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11029+fra11030+fra11031+fra11032 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11033+fra11034+fra11035+fra11036 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11037+fra11038+fra11039+fra11040 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11041+fra11042+fra11043+fra11044 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11045+fra11046+fra11047+fra11048 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11049+fra11050+fra11051+fra11052 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11053+fra11054+fra11055+fra11056 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11057+fra11058+fra11059+fra11060 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11061+fra11062+fra11063+fra11064 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11065+fra11066+fra11067+fra11068 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11069+fra11070+fra11071+fra11072 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11073+fra11074+fra11075+fra11076 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11077+fra11078+fra11079+fra11080 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11081+fra11082+fra11083+fra11084 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11085+fra11086+fra11087+fra11088 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11089+fra11090+fra11091+fra11092 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11093+fra11094+fra11095+fra11096 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11097+fra11098+fra11099+fra11100 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11101+fra11102+fra11103+fra11104 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11105+fra11106+fra11107+fra11108 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11109+fra11110+fra11111+fra11112 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11113+fra11114+fra11115+fra11116 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11117+fra11118+fra11119+fra11120 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11121+fra11122+fra11123+fra11124 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11125+fra11126+fra11127+fra11128 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11129+fra11130+fra11131+fra11132 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11133+fra11134+fra11135+fra11136 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11137+fra11138+fra11139+fra11140 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11141+fra11142+fra11143+fra11144 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11145+fra11146+fra11147+fra11148 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11149+fra11150+fra11151+fra11152 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11153+fra11154+fra11155+fra11156 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11157+fra11158+fra11159+fra11160 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11161+fra11162+fra11163+fra11164 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11165+fra11166+fra11167+fra11168 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11169+fra11170+fra11171+fra11172 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11173+fra11174+fra11175+fra11176 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11177+fra11178+fra11179+fra11180 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11181+fra11182+fra11183+fra11184 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11185+fra11186+fra11187+fra11188 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11189+fra11190+fra11191+fra11192 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11193+fra11194+fra11195+fra11196 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11197+fra11198+fra11199+fra11200 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11201+fra11202+fra11203+fra11204 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11205+fra11206+fra11207+fra11208 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11209+fra11210+fra11211+fra11212 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11213+fra11214+fra11215+fra11216 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11217+fra11218+fra11219+fra11220 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11221+fra11222+fra11223+fra11224 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11225+fra11226+fra11227+fra11228 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11229+fra11230+fra11231+fra11232 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11233+fra11234+fra11235+fra11236 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11237+fra11238+fra11239+fra11240 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11241+fra11242+fra11243+fra11244 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11245+fra11246+fra11247+fra11248 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11249+fra11250+fra11251+fra11252 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11253+fra11254+fra11255+fra11256 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11257+fra11258+fra11259+fra11260 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11261+fra11262+fra11263+fra11264 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11265+fra11266+fra11267+fra11268 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11269+fra11270+fra11271+fra11272 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11273+fra11274+fra11275+fra11276 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11277+fra11278+fra11279+fra11280 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11281+fra11282+fra11283+fra11284 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11285+fra11286+fra11287+fra11288 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11289+fra11290+fra11291+fra11292 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11293+fra11294+fra11295+fra11296 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11297+fra11298+fra11299+fra11300 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11301+fra11302+fra11303+fra11304 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11305+fra11306+fra11307+fra11308 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11309+fra11310+fra11311+fra11312 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11313+fra11314+fra11315+fra11316 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11317+fra11318+fra11319+fra11320 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11321+fra11322+fra11323+fra11324 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11325+fra11326+fra11327+fra11328 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11329+fra11330+fra11331+fra11332 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11333+fra11334+fra11335+fra11336 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11337+fra11338+fra11339+fra11340 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11341+fra11342+fra11343+fra11344 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11345+fra11346+fra11347+fra11348 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11349+fra11350+fra11351+fra11352 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11353+fra11354+fra11355+fra11356 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11357+fra11358+fra11359+fra11360 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11361+fra11362+fra11363+fra11364 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11365+fra11366+fra11367+fra11368 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11369+fra11370+fra11371+fra11372 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11373+fra11374+fra11375+fra11376 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11377+fra11378+fra11379+fra11380 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11381+fra11382+fra11383+fra11384 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11385+fra11386+fra11387+fra11388 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11389+fra11390+fra11391+fra11392 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11393+fra11394+fra11395+fra11396 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11397+fra11398+fra11399+fra11400 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11401+fra11402+fra11403+fra11404 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11405+fra11406+fra11407+fra11408 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11409+fra11410+fra11411+fra11412 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11413+fra11414+fra11415+fra11416 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11417+fra11418+fra11419+fra11420 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11421+fra11422+fra11423+fra11424 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11425+fra11426+fra11427+fra11428 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11429+fra11430+fra11431+fra11432 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11433+fra11434+fra11435+fra11436 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11437+fra11438+fra11439+fra11440 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11441+fra11442+fra11443+fra11444 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11445+fra11446+fra11447+fra11448 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11449+fra11450+fra11451+fra11452 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11453+fra11454+fra11455+fra11456 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11457+fra11458+fra11459+fra11460 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11461+fra11462+fra11463+fra11464 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11465+fra11466+fra11467+fra11468 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11469+fra11470+fra11471+fra11472 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11473+fra11474+fra11475+fra11476 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11477+fra11478+fra11479+fra11480 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11481+fra11482+fra11483+fra11484 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11485+fra11486+fra11487+fra11488 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11489+fra11490+fra11491+fra11492 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11493+fra11494+fra11495+fra11496 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11497+fra11498+fra11499+fra11500 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11501+fra11502+fra11503+fra11504 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11505+fra11506+fra11507+fra11508 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11509+fra11510+fra11511+fra11512 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11513+fra11514+fra11515+fra11516 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11517+fra11518+fra11519+fra11520 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11521+fra11522+fra11523+fra11524 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11525+fra11526+fra11527+fra11528 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11529+fra11530+fra11531+fra11532 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11533+fra11534+fra11535+fra11536 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11537+fra11538+fra11539+fra11540 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11541+fra11542+fra11543+fra11544 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11545+fra11546+fra11547+fra11548 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11549+fra11550+fra11551+fra11552 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11553+fra11554+fra11555+fra11556 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11557+fra11558+fra11559+fra11560 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11561+fra11562+fra11563+fra11564 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11565+fra11566+fra11567+fra11568 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11569+fra11570+fra11571+fra11572 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11573+fra11574+fra11575+fra11576 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11577+fra11578+fra11579+fra11580 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11581+fra11582+fra11583+fra11584 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11585+fra11586+fra11587+fra11588 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11589+fra11590+fra11591+fra11592 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11593+fra11594+fra11595+fra11596 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11597+fra11598+fra11599+fra11600 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11601+fra11602+fra11603+fra11604 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11605+fra11606+fra11607+fra11608 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11609+fra11610+fra11611+fra11612 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11613+fra11614+fra11615+fra11616 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11617+fra11618+fra11619+fra11620 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11621+fra11622+fra11623+fra11624 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11625+fra11626+fra11627+fra11628 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11629+fra11630+fra11631+fra11632 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11633+fra11634+fra11635+fra11636 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11637+fra11638+fra11639+fra11640 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11641+fra11642+fra11643+fra11644 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11645+fra11646+fra11647+fra11648 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11649+fra11650+fra11651+fra11652 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11653+fra11654+fra11655+fra11656 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11657+fra11658+fra11659+fra11660 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11661+fra11662+fra11663+fra11664 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11665+fra11666+fra11667+fra11668 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11669+fra11670+fra11671+fra11672 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11673+fra11674+fra11675+fra11676 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11677+fra11678+fra11679+fra11680 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11681+fra11682+fra11683+fra11684 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11685+fra11686+fra11687+fra11688 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11689+fra11690+fra11691+fra11692 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11693+fra11694+fra11695+fra11696 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11697+fra11698+fra11699+fra11700 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11701+fra11702+fra11703+fra11704 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11705+fra11706+fra11707+fra11708 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11709+fra11710+fra11711+fra11712 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11713+fra11714+fra11715+fra11716 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11717+fra11718+fra11719+fra11720 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11721+fra11722+fra11723+fra11724 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11725+fra11726+fra11727+fra11728 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11729+fra11730+fra11731+fra11732 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11733+fra11734+fra11735+fra11736 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11737+fra11738+fra11739+fra11740 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11741+fra11742+fra11743+fra11744 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11745+fra11746+fra11747+fra11748 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11749+fra11750+fra11751+fra11752 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11753+fra11754+fra11755+fra11756 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11757+fra11758+fra11759+fra11760 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11761+fra11762+fra11763+fra11764 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11765+fra11766+fra11767+fra11768 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11769+fra11770+fra11771+fra11772 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11773+fra11774+fra11775+fra11776 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11777+fra11778+fra11779+fra11780 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11781+fra11782+fra11783+fra11784 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11785+fra11786+fra11787+fra11788 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11789+fra11790+fra11791+fra11792 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11793+fra11794+fra11795+fra11796 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11797+fra11798+fra11799+fra11800 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11801+fra11802+fra11803+fra11804 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11805+fra11806+fra11807+fra11808 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11809+fra11810+fra11811+fra11812 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11813+fra11814+fra11815+fra11816 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11817+fra11818+fra11819+fra11820 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11821+fra11822+fra11823+fra11824 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11825+fra11826+fra11827+fra11828 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11829+fra11830+fra11831+fra11832 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11833+fra11834+fra11835+fra11836 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11837+fra11838+fra11839+fra11840 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11841+fra11842+fra11843+fra11844 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11845+fra11846+fra11847+fra11848 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11849+fra11850+fra11851+fra11852 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11853+fra11854+fra11855+fra11856 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11857+fra11858+fra11859+fra11860 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11861+fra11862+fra11863+fra11864 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11865+fra11866+fra11867+fra11868 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11869+fra11870+fra11871+fra11872 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11873+fra11874+fra11875+fra11876 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11877+fra11878+fra11879+fra11880 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11881+fra11882+fra11883+fra11884 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11885+fra11886+fra11887+fra11888 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11889+fra11890+fra11891+fra11892 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11893+fra11894+fra11895+fra11896 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11897+fra11898+fra11899+fra11900 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11901+fra11902+fra11903+fra11904 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11905+fra11906+fra11907+fra11908 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11909+fra11910+fra11911+fra11912 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11913+fra11914+fra11915+fra11916 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11917+fra11918+fra11919+fra11920 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11921+fra11922+fra11923+fra11924 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11925+fra11926+fra11927+fra11928 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11929+fra11930+fra11931+fra11932 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11933+fra11934+fra11935+fra11936 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11937+fra11938+fra11939+fra11940 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11941+fra11942+fra11943+fra11944 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11945+fra11946+fra11947+fra11948 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11949+fra11950+fra11951+fra11952 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11953+fra11954+fra11955+fra11956 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11957+fra11958+fra11959+fra11960 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11961+fra11962+fra11963+fra11964 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11965+fra11966+fra11967+fra11968 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11969+fra11970+fra11971+fra11972 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11973+fra11974+fra11975+fra11976 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11977+fra11978+fra11979+fra11980 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11981+fra11982+fra11983+fra11984 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11985+fra11986+fra11987+fra11988 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11989+fra11990+fra11991+fra11992 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra11993+fra11994+fra11995+fra11996 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra11997+fra11998+fra11999+fra12000 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12001+fra12002+fra12003+fra12004 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12005+fra12006+fra12007+fra12008 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12009+fra12010+fra12011+fra12012 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12013+fra12014+fra12015+fra12016 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12017+fra12018+fra12019+fra12020 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12021+fra12022+fra12023+fra12024 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12025+fra12026+fra12027+fra12028 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12029+fra12030+fra12031+fra12032 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12033+fra12034+fra12035+fra12036 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12037+fra12038+fra12039+fra12040 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12041+fra12042+fra12043+fra12044 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12045+fra12046+fra12047+fra12048 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12049+fra12050+fra12051+fra12052 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12053+fra12054+fra12055+fra12056 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12057+fra12058+fra12059+fra12060 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12061+fra12062+fra12063+fra12064 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12065+fra12066+fra12067+fra12068 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12069+fra12070+fra12071+fra12072 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12073+fra12074+fra12075+fra12076 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12077+fra12078+fra12079+fra12080 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12081+fra12082+fra12083+fra12084 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12085+fra12086+fra12087+fra12088 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12089+fra12090+fra12091+fra12092 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12093+fra12094+fra12095+fra12096 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12097+fra12098+fra12099+fra12100 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12101+fra12102+fra12103+fra12104 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12105+fra12106+fra12107+fra12108 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12109+fra12110+fra12111+fra12112 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12113+fra12114+fra12115+fra12116 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12117+fra12118+fra12119+fra12120 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12121+fra12122+fra12123+fra12124 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12125+fra12126+fra12127+fra12128 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12129+fra12130+fra12131+fra12132 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12133+fra12134+fra12135+fra12136 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12137+fra12138+fra12139+fra12140 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12141+fra12142+fra12143+fra12144 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12145+fra12146+fra12147+fra12148 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12149+fra12150+fra12151+fra12152 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12153+fra12154+fra12155+fra12156 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12157+fra12158+fra12159+fra12160 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12161+fra12162+fra12163+fra12164 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12165+fra12166+fra12167+fra12168 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12169+fra12170+fra12171+fra12172 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12173+fra12174+fra12175+fra12176 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12177+fra12178+fra12179+fra12180 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12181+fra12182+fra12183+fra12184 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12185+fra12186+fra12187+fra12188 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12189+fra12190+fra12191+fra12192 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12193+fra12194+fra12195+fra12196 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12197+fra12198+fra12199+fra12200 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12201+fra12202+fra12203+fra12204 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12205+fra12206+fra12207+fra12208 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12209+fra12210+fra12211+fra12212 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12213+fra12214+fra12215+fra12216 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12217+fra12218+fra12219+fra12220 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12221+fra12222+fra12223+fra12224 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12225+fra12226+fra12227+fra12228 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12229+fra12230+fra12231+fra12232 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12233+fra12234+fra12235+fra12236 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12237+fra12238+fra12239+fra12240 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12241+fra12242+fra12243+fra12244 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12245+fra12246+fra12247+fra12248 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12249+fra12250+fra12251+fra12252 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12253+fra12254+fra12255+fra12256 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12257+fra12258+fra12259+fra12260 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12261+fra12262+fra12263+fra12264 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12265+fra12266+fra12267+fra12268 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12269+fra12270+fra12271+fra12272 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12273+fra12274+fra12275+fra12276 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12277+fra12278+fra12279+fra12280 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12281+fra12282+fra12283+fra12284 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12285+fra12286+fra12287+fra12288 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12289+fra12290+fra12291+fra12292 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12293+fra12294+fra12295+fra12296 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12297+fra12298+fra12299+fra12300 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12301+fra12302+fra12303+fra12304 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12305+fra12306+fra12307+fra12308 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12309+fra12310+fra12311+fra12312 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12313+fra12314+fra12315+fra12316 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12317+fra12318+fra12319+fra12320 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12321+fra12322+fra12323+fra12324 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12325+fra12326+fra12327+fra12328 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12329+fra12330+fra12331+fra12332 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12333+fra12334+fra12335+fra12336 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12337+fra12338+fra12339+fra12340 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12341+fra12342+fra12343+fra12344 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12345+fra12346+fra12347+fra12348 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12349+fra12350+fra12351+fra12352 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12353+fra12354+fra12355+fra12356 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12357+fra12358+fra12359+fra12360 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12361+fra12362+fra12363+fra12364 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12365+fra12366+fra12367+fra12368 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12369+fra12370+fra12371+fra12372 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12373+fra12374+fra12375+fra12376 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12377+fra12378+fra12379+fra12380 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12381+fra12382+fra12383+fra12384 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12385+fra12386+fra12387+fra12388 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12389+fra12390+fra12391+fra12392 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12393+fra12394+fra12395+fra12396 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12397+fra12398+fra12399+fra12400 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12401+fra12402+fra12403+fra12404 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12405+fra12406+fra12407+fra12408 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12409+fra12410+fra12411+fra12412 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12413+fra12414+fra12415+fra12416 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12417+fra12418+fra12419+fra12420 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12421+fra12422+fra12423+fra12424 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12425+fra12426+fra12427+fra12428 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12429+fra12430+fra12431+fra12432 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12433+fra12434+fra12435+fra12436 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12437+fra12438+fra12439+fra12440 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12441+fra12442+fra12443+fra12444 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12445+fra12446+fra12447+fra12448 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12449+fra12450+fra12451+fra12452 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12453+fra12454+fra12455+fra12456 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12457+fra12458+fra12459+fra12460 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12461+fra12462+fra12463+fra12464 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12465+fra12466+fra12467+fra12468 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12469+fra12470+fra12471+fra12472 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12473+fra12474+fra12475+fra12476 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12477+fra12478+fra12479+fra12480 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12481+fra12482+fra12483+fra12484 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12485+fra12486+fra12487+fra12488 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12489+fra12490+fra12491+fra12492 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12493+fra12494+fra12495+fra12496 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12497+fra12498+fra12499+fra12500 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12501+fra12502+fra12503+fra12504 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12505+fra12506+fra12507+fra12508 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12509+fra12510+fra12511+fra12512 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12513+fra12514+fra12515+fra12516 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12517+fra12518+fra12519+fra12520 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12521+fra12522+fra12523+fra12524 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12525+fra12526+fra12527+fra12528 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12529+fra12530+fra12531+fra12532 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12533+fra12534+fra12535+fra12536 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12537+fra12538+fra12539+fra12540 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12541+fra12542+fra12543+fra12544 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12545+fra12546+fra12547+fra12548 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12549+fra12550+fra12551+fra12552 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12553+fra12554+fra12555+fra12556 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12557+fra12558+fra12559+fra12560 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12561+fra12562+fra12563+fra12564 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12565+fra12566+fra12567+fra12568 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12569+fra12570+fra12571+fra12572 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12573+fra12574+fra12575+fra12576 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12577+fra12578+fra12579+fra12580 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12581+fra12582+fra12583+fra12584 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12585+fra12586+fra12587+fra12588 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12589+fra12590+fra12591+fra12592 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12593+fra12594+fra12595+fra12596 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12597+fra12598+fra12599+fra12600 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12601+fra12602+fra12603+fra12604 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12605+fra12606+fra12607+fra12608 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12609+fra12610+fra12611+fra12612 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12613+fra12614+fra12615+fra12616 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12617+fra12618+fra12619+fra12620 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12621+fra12622+fra12623+fra12624 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12625+fra12626+fra12627+fra12628 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12629+fra12630+fra12631+fra12632 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12633+fra12634+fra12635+fra12636 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12637+fra12638+fra12639+fra12640 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12641+fra12642+fra12643+fra12644 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12645+fra12646+fra12647+fra12648 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12649+fra12650+fra12651+fra12652 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12653+fra12654+fra12655+fra12656 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12657+fra12658+fra12659+fra12660 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12661+fra12662+fra12663+fra12664 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12665+fra12666+fra12667+fra12668 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12669+fra12670+fra12671+fra12672 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12673+fra12674+fra12675+fra12676 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12677+fra12678+fra12679+fra12680 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12681+fra12682+fra12683+fra12684 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12685+fra12686+fra12687+fra12688 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12689+fra12690+fra12691+fra12692 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12693+fra12694+fra12695+fra12696 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12697+fra12698+fra12699+fra12700 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12701+fra12702+fra12703+fra12704 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12705+fra12706+fra12707+fra12708 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12709+fra12710+fra12711+fra12712 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12713+fra12714+fra12715+fra12716 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12717+fra12718+fra12719+fra12720 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12721+fra12722+fra12723+fra12724 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12725+fra12726+fra12727+fra12728 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12729+fra12730+fra12731+fra12732 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12733+fra12734+fra12735+fra12736 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12737+fra12738+fra12739+fra12740 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12741+fra12742+fra12743+fra12744 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12745+fra12746+fra12747+fra12748 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12749+fra12750+fra12751+fra12752 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12753+fra12754+fra12755+fra12756 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12757+fra12758+fra12759+fra12760 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12761+fra12762+fra12763+fra12764 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12765+fra12766+fra12767+fra12768 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12769+fra12770+fra12771+fra12772 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12773+fra12774+fra12775+fra12776 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12777+fra12778+fra12779+fra12780 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12781+fra12782+fra12783+fra12784 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12785+fra12786+fra12787+fra12788 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12789+fra12790+fra12791+fra12792 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12793+fra12794+fra12795+fra12796 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12797+fra12798+fra12799+fra12800 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12801+fra12802+fra12803+fra12804 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12805+fra12806+fra12807+fra12808 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12809+fra12810+fra12811+fra12812 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12813+fra12814+fra12815+fra12816 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12817+fra12818+fra12819+fra12820 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12821+fra12822+fra12823+fra12824 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12825+fra12826+fra12827+fra12828 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12829+fra12830+fra12831+fra12832 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12833+fra12834+fra12835+fra12836 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12837+fra12838+fra12839+fra12840 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12841+fra12842+fra12843+fra12844 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12845+fra12846+fra12847+fra12848 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12849+fra12850+fra12851+fra12852 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12853+fra12854+fra12855+fra12856 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12857+fra12858+fra12859+fra12860 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12861+fra12862+fra12863+fra12864 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12865+fra12866+fra12867+fra12868 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12869+fra12870+fra12871+fra12872 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12873+fra12874+fra12875+fra12876 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12877+fra12878+fra12879+fra12880 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12881+fra12882+fra12883+fra12884 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12885+fra12886+fra12887+fra12888 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12889+fra12890+fra12891+fra12892 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12893+fra12894+fra12895+fra12896 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12897+fra12898+fra12899+fra12900 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12901+fra12902+fra12903+fra12904 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12905+fra12906+fra12907+fra12908 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12909+fra12910+fra12911+fra12912 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12913+fra12914+fra12915+fra12916 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12917+fra12918+fra12919+fra12920 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12921+fra12922+fra12923+fra12924 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12925+fra12926+fra12927+fra12928 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12929+fra12930+fra12931+fra12932 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12933+fra12934+fra12935+fra12936 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12937+fra12938+fra12939+fra12940 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12941+fra12942+fra12943+fra12944 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12945+fra12946+fra12947+fra12948 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12949+fra12950+fra12951+fra12952 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12953+fra12954+fra12955+fra12956 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12957+fra12958+fra12959+fra12960 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12961+fra12962+fra12963+fra12964 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12965+fra12966+fra12967+fra12968 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12969+fra12970+fra12971+fra12972 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12973+fra12974+fra12975+fra12976 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12977+fra12978+fra12979+fra12980 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12981+fra12982+fra12983+fra12984 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12985+fra12986+fra12987+fra12988 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12989+fra12990+fra12991+fra12992 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra12993+fra12994+fra12995+fra12996 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra12997+fra12998+fra12999+fra13000 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13001+fra13002+fra13003+fra13004 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13005+fra13006+fra13007+fra13008 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13009+fra13010+fra13011+fra13012 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13013+fra13014+fra13015+fra13016 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13017+fra13018+fra13019+fra13020 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13021+fra13022+fra13023+fra13024 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13025+fra13026+fra13027+fra13028 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13029+fra13030+fra13031+fra13032 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13033+fra13034+fra13035+fra13036 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13037+fra13038+fra13039+fra13040 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13041+fra13042+fra13043+fra13044 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13045+fra13046+fra13047+fra13048 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13049+fra13050+fra13051+fra13052 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13053+fra13054+fra13055+fra13056 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13057+fra13058+fra13059+fra13060 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13061+fra13062+fra13063+fra13064 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13065+fra13066+fra13067+fra13068 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13069+fra13070+fra13071+fra13072 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13073+fra13074+fra13075+fra13076 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13077+fra13078+fra13079+fra13080 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13081+fra13082+fra13083+fra13084 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13085+fra13086+fra13087+fra13088 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13089+fra13090+fra13091+fra13092 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13093+fra13094+fra13095+fra13096 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13097+fra13098+fra13099+fra13100 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13101+fra13102+fra13103+fra13104 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13105+fra13106+fra13107+fra13108 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13109+fra13110+fra13111+fra13112 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13113+fra13114+fra13115+fra13116 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13117+fra13118+fra13119+fra13120 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13121+fra13122+fra13123+fra13124 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13125+fra13126+fra13127+fra13128 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13129+fra13130+fra13131+fra13132 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13133+fra13134+fra13135+fra13136 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13137+fra13138+fra13139+fra13140 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13141+fra13142+fra13143+fra13144 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13145+fra13146+fra13147+fra13148 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13149+fra13150+fra13151+fra13152 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13153+fra13154+fra13155+fra13156 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13157+fra13158+fra13159+fra13160 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13161+fra13162+fra13163+fra13164 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13165+fra13166+fra13167+fra13168 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13169+fra13170+fra13171+fra13172 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13173+fra13174+fra13175+fra13176 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13177+fra13178+fra13179+fra13180 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13181+fra13182+fra13183+fra13184 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13185+fra13186+fra13187+fra13188 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13189+fra13190+fra13191+fra13192 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13193+fra13194+fra13195+fra13196 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13197+fra13198+fra13199+fra13200 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13201+fra13202+fra13203+fra13204 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13205+fra13206+fra13207+fra13208 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13209+fra13210+fra13211+fra13212 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13213+fra13214+fra13215+fra13216 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13217+fra13218+fra13219+fra13220 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13221+fra13222+fra13223+fra13224 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13225+fra13226+fra13227+fra13228 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13229+fra13230+fra13231+fra13232 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13233+fra13234+fra13235+fra13236 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13237+fra13238+fra13239+fra13240 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13241+fra13242+fra13243+fra13244 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13245+fra13246+fra13247+fra13248 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13249+fra13250+fra13251+fra13252 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13253+fra13254+fra13255+fra13256 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13257+fra13258+fra13259+fra13260 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13261+fra13262+fra13263+fra13264 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13265+fra13266+fra13267+fra13268 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13269+fra13270+fra13271+fra13272 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13273+fra13274+fra13275+fra13276 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13277+fra13278+fra13279+fra13280 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13281+fra13282+fra13283+fra13284 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13285+fra13286+fra13287+fra13288 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13289+fra13290+fra13291+fra13292 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13293+fra13294+fra13295+fra13296 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13297+fra13298+fra13299+fra13300 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13301+fra13302+fra13303+fra13304 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13305+fra13306+fra13307+fra13308 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13309+fra13310+fra13311+fra13312 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13313+fra13314+fra13315+fra13316 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13317+fra13318+fra13319+fra13320 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13321+fra13322+fra13323+fra13324 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13325+fra13326+fra13327+fra13328 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13329+fra13330+fra13331+fra13332 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13333+fra13334+fra13335+fra13336 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13337+fra13338+fra13339+fra13340 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13341+fra13342+fra13343+fra13344 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13345+fra13346+fra13347+fra13348 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13349+fra13350+fra13351+fra13352 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13353+fra13354+fra13355+fra13356 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13357+fra13358+fra13359+fra13360 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13361+fra13362+fra13363+fra13364 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13365+fra13366+fra13367+fra13368 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13369+fra13370+fra13371+fra13372 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13373+fra13374+fra13375+fra13376 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13377+fra13378+fra13379+fra13380 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13381+fra13382+fra13383+fra13384 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13385+fra13386+fra13387+fra13388 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13389+fra13390+fra13391+fra13392 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13393+fra13394+fra13395+fra13396 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13397+fra13398+fra13399+fra13400 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13401+fra13402+fra13403+fra13404 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13405+fra13406+fra13407+fra13408 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13409+fra13410+fra13411+fra13412 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13413+fra13414+fra13415+fra13416 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13417+fra13418+fra13419+fra13420 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13421+fra13422+fra13423+fra13424 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13425+fra13426+fra13427+fra13428 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13429+fra13430+fra13431+fra13432 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13433+fra13434+fra13435+fra13436 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13437+fra13438+fra13439+fra13440 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13441+fra13442+fra13443+fra13444 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13445+fra13446+fra13447+fra13448 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13449+fra13450+fra13451+fra13452 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13453+fra13454+fra13455+fra13456 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13457+fra13458+fra13459+fra13460 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13461+fra13462+fra13463+fra13464 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13465+fra13466+fra13467+fra13468 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13469+fra13470+fra13471+fra13472 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13473+fra13474+fra13475+fra13476 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13477+fra13478+fra13479+fra13480 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13481+fra13482+fra13483+fra13484 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13485+fra13486+fra13487+fra13488 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13489+fra13490+fra13491+fra13492 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13493+fra13494+fra13495+fra13496 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13497+fra13498+fra13499+fra13500 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13501+fra13502+fra13503+fra13504 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13505+fra13506+fra13507+fra13508 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13509+fra13510+fra13511+fra13512 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13513+fra13514+fra13515+fra13516 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13517+fra13518+fra13519+fra13520 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13521+fra13522+fra13523+fra13524 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13525+fra13526+fra13527+fra13528 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13529+fra13530+fra13531+fra13532 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13533+fra13534+fra13535+fra13536 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13537+fra13538+fra13539+fra13540 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13541+fra13542+fra13543+fra13544 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13545+fra13546+fra13547+fra13548 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13549+fra13550+fra13551+fra13552 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13553+fra13554+fra13555+fra13556 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13557+fra13558+fra13559+fra13560 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13561+fra13562+fra13563+fra13564 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13565+fra13566+fra13567+fra13568 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13569+fra13570+fra13571+fra13572 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13573+fra13574+fra13575+fra13576 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13577+fra13578+fra13579+fra13580 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13581+fra13582+fra13583+fra13584 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13585+fra13586+fra13587+fra13588 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13589+fra13590+fra13591+fra13592 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13593+fra13594+fra13595+fra13596 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13597+fra13598+fra13599+fra13600 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13601+fra13602+fra13603+fra13604 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13605+fra13606+fra13607+fra13608 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13609+fra13610+fra13611+fra13612 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13613+fra13614+fra13615+fra13616 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13617+fra13618+fra13619+fra13620 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13621+fra13622+fra13623+fra13624 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13625+fra13626+fra13627+fra13628 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13629+fra13630+fra13631+fra13632 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13633+fra13634+fra13635+fra13636 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13637+fra13638+fra13639+fra13640 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13641+fra13642+fra13643+fra13644 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13645+fra13646+fra13647+fra13648 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13649+fra13650+fra13651+fra13652 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13653+fra13654+fra13655+fra13656 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13657+fra13658+fra13659+fra13660 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13661+fra13662+fra13663+fra13664 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13665+fra13666+fra13667+fra13668 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13669+fra13670+fra13671+fra13672 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13673+fra13674+fra13675+fra13676 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13677+fra13678+fra13679+fra13680 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13681+fra13682+fra13683+fra13684 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13685+fra13686+fra13687+fra13688 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13689+fra13690+fra13691+fra13692 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13693+fra13694+fra13695+fra13696 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13697+fra13698+fra13699+fra13700 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13701+fra13702+fra13703+fra13704 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13705+fra13706+fra13707+fra13708 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13709+fra13710+fra13711+fra13712 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13713+fra13714+fra13715+fra13716 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13717+fra13718+fra13719+fra13720 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13721+fra13722+fra13723+fra13724 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13725+fra13726+fra13727+fra13728 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13729+fra13730+fra13731+fra13732 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13733+fra13734+fra13735+fra13736 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13737+fra13738+fra13739+fra13740 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13741+fra13742+fra13743+fra13744 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13745+fra13746+fra13747+fra13748 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13749+fra13750+fra13751+fra13752 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13753+fra13754+fra13755+fra13756 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13757+fra13758+fra13759+fra13760 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13761+fra13762+fra13763+fra13764 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13765+fra13766+fra13767+fra13768 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13769+fra13770+fra13771+fra13772 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13773+fra13774+fra13775+fra13776 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13777+fra13778+fra13779+fra13780 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13781+fra13782+fra13783+fra13784 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13785+fra13786+fra13787+fra13788 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13789+fra13790+fra13791+fra13792 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13793+fra13794+fra13795+fra13796 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13797+fra13798+fra13799+fra13800 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13801+fra13802+fra13803+fra13804 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13805+fra13806+fra13807+fra13808 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13809+fra13810+fra13811+fra13812 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13813+fra13814+fra13815+fra13816 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13817+fra13818+fra13819+fra13820 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13821+fra13822+fra13823+fra13824 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13825+fra13826+fra13827+fra13828 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13829+fra13830+fra13831+fra13832 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13833+fra13834+fra13835+fra13836 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13837+fra13838+fra13839+fra13840 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13841+fra13842+fra13843+fra13844 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13845+fra13846+fra13847+fra13848 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13849+fra13850+fra13851+fra13852 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13853+fra13854+fra13855+fra13856 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13857+fra13858+fra13859+fra13860 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13861+fra13862+fra13863+fra13864 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13865+fra13866+fra13867+fra13868 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13869+fra13870+fra13871+fra13872 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13873+fra13874+fra13875+fra13876 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13877+fra13878+fra13879+fra13880 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13881+fra13882+fra13883+fra13884 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13885+fra13886+fra13887+fra13888 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13889+fra13890+fra13891+fra13892 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13893+fra13894+fra13895+fra13896 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13897+fra13898+fra13899+fra13900 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13901+fra13902+fra13903+fra13904 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13905+fra13906+fra13907+fra13908 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13909+fra13910+fra13911+fra13912 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13913+fra13914+fra13915+fra13916 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13917+fra13918+fra13919+fra13920 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13921+fra13922+fra13923+fra13924 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13925+fra13926+fra13927+fra13928 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13929+fra13930+fra13931+fra13932 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13933+fra13934+fra13935+fra13936 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13937+fra13938+fra13939+fra13940 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13941+fra13942+fra13943+fra13944 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13945+fra13946+fra13947+fra13948 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13949+fra13950+fra13951+fra13952 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13953+fra13954+fra13955+fra13956 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13957+fra13958+fra13959+fra13960 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13961+fra13962+fra13963+fra13964 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13965+fra13966+fra13967+fra13968 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13969+fra13970+fra13971+fra13972 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13973+fra13974+fra13975+fra13976 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13977+fra13978+fra13979+fra13980 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13981+fra13982+fra13983+fra13984 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13985+fra13986+fra13987+fra13988 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13989+fra13990+fra13991+fra13992 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra13993+fra13994+fra13995+fra13996 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra13997+fra13998+fra13999+fra14000 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14001+fra14002+fra14003+fra14004 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14005+fra14006+fra14007+fra14008 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14009+fra14010+fra14011+fra14012 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14013+fra14014+fra14015+fra14016 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14017+fra14018+fra14019+fra14020 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14021+fra14022+fra14023+fra14024 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14025+fra14026+fra14027+fra14028 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14029+fra14030+fra14031+fra14032 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14033+fra14034+fra14035+fra14036 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14037+fra14038+fra14039+fra14040 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14041+fra14042+fra14043+fra14044 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14045+fra14046+fra14047+fra14048 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14049+fra14050+fra14051+fra14052 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14053+fra14054+fra14055+fra14056 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14057+fra14058+fra14059+fra14060 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14061+fra14062+fra14063+fra14064 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14065+fra14066+fra14067+fra14068 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14069+fra14070+fra14071+fra14072 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14073+fra14074+fra14075+fra14076 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14077+fra14078+fra14079+fra14080 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14081+fra14082+fra14083+fra14084 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14085+fra14086+fra14087+fra14088 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14089+fra14090+fra14091+fra14092 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14093+fra14094+fra14095+fra14096 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14097+fra14098+fra14099+fra14100 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14101+fra14102+fra14103+fra14104 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14105+fra14106+fra14107+fra14108 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14109+fra14110+fra14111+fra14112 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14113+fra14114+fra14115+fra14116 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14117+fra14118+fra14119+fra14120 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14121+fra14122+fra14123+fra14124 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14125+fra14126+fra14127+fra14128 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14129+fra14130+fra14131+fra14132 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14133+fra14134+fra14135+fra14136 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14137+fra14138+fra14139+fra14140 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14141+fra14142+fra14143+fra14144 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14145+fra14146+fra14147+fra14148 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14149+fra14150+fra14151+fra14152 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14153+fra14154+fra14155+fra14156 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14157+fra14158+fra14159+fra14160 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14161+fra14162+fra14163+fra14164 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14165+fra14166+fra14167+fra14168 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14169+fra14170+fra14171+fra14172 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14173+fra14174+fra14175+fra14176 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14177+fra14178+fra14179+fra14180 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14181+fra14182+fra14183+fra14184 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14185+fra14186+fra14187+fra14188 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14189+fra14190+fra14191+fra14192 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14193+fra14194+fra14195+fra14196 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14197+fra14198+fra14199+fra14200 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14201+fra14202+fra14203+fra14204 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14205+fra14206+fra14207+fra14208 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14209+fra14210+fra14211+fra14212 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14213+fra14214+fra14215+fra14216 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14217+fra14218+fra14219+fra14220 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14221+fra14222+fra14223+fra14224 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14225+fra14226+fra14227+fra14228 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14229+fra14230+fra14231+fra14232 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14233+fra14234+fra14235+fra14236 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14237+fra14238+fra14239+fra14240 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14241+fra14242+fra14243+fra14244 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14245+fra14246+fra14247+fra14248 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14249+fra14250+fra14251+fra14252 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14253+fra14254+fra14255+fra14256 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14257+fra14258+fra14259+fra14260 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14261+fra14262+fra14263+fra14264 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14265+fra14266+fra14267+fra14268 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14269+fra14270+fra14271+fra14272 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14273+fra14274+fra14275+fra14276 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14277+fra14278+fra14279+fra14280 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14281+fra14282+fra14283+fra14284 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14285+fra14286+fra14287+fra14288 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14289+fra14290+fra14291+fra14292 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14293+fra14294+fra14295+fra14296 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14297+fra14298+fra14299+fra14300 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14301+fra14302+fra14303+fra14304 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14305+fra14306+fra14307+fra14308 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14309+fra14310+fra14311+fra14312 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14313+fra14314+fra14315+fra14316 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14317+fra14318+fra14319+fra14320 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14321+fra14322+fra14323+fra14324 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14325+fra14326+fra14327+fra14328 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14329+fra14330+fra14331+fra14332 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14333+fra14334+fra14335+fra14336 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14337+fra14338+fra14339+fra14340 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14341+fra14342+fra14343+fra14344 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14345+fra14346+fra14347+fra14348 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14349+fra14350+fra14351+fra14352 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14353+fra14354+fra14355+fra14356 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14357+fra14358+fra14359+fra14360 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14361+fra14362+fra14363+fra14364 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14365+fra14366+fra14367+fra14368 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14369+fra14370+fra14371+fra14372 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14373+fra14374+fra14375+fra14376 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14377+fra14378+fra14379+fra14380 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14381+fra14382+fra14383+fra14384 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14385+fra14386+fra14387+fra14388 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14389+fra14390+fra14391+fra14392 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14393+fra14394+fra14395+fra14396 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14397+fra14398+fra14399+fra14400 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14401+fra14402+fra14403+fra14404 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14405+fra14406+fra14407+fra14408 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14409+fra14410+fra14411+fra14412 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14413+fra14414+fra14415+fra14416 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14417+fra14418+fra14419+fra14420 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14421+fra14422+fra14423+fra14424 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14425+fra14426+fra14427+fra14428 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14429+fra14430+fra14431+fra14432 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14433+fra14434+fra14435+fra14436 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14437+fra14438+fra14439+fra14440 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14441+fra14442+fra14443+fra14444 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14445+fra14446+fra14447+fra14448 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14449+fra14450+fra14451+fra14452 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14453+fra14454+fra14455+fra14456 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14457+fra14458+fra14459+fra14460 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14461+fra14462+fra14463+fra14464 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14465+fra14466+fra14467+fra14468 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14469+fra14470+fra14471+fra14472 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14473+fra14474+fra14475+fra14476 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14477+fra14478+fra14479+fra14480 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14481+fra14482+fra14483+fra14484 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14485+fra14486+fra14487+fra14488 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14489+fra14490+fra14491+fra14492 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14493+fra14494+fra14495+fra14496 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14497+fra14498+fra14499+fra14500 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14501+fra14502+fra14503+fra14504 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14505+fra14506+fra14507+fra14508 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14509+fra14510+fra14511+fra14512 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14513+fra14514+fra14515+fra14516 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14517+fra14518+fra14519+fra14520 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14521+fra14522+fra14523+fra14524 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14525+fra14526+fra14527+fra14528 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14529+fra14530+fra14531+fra14532 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14533+fra14534+fra14535+fra14536 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14537+fra14538+fra14539+fra14540 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14541+fra14542+fra14543+fra14544 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14545+fra14546+fra14547+fra14548 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14549+fra14550+fra14551+fra14552 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14553+fra14554+fra14555+fra14556 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14557+fra14558+fra14559+fra14560 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14561+fra14562+fra14563+fra14564 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14565+fra14566+fra14567+fra14568 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14569+fra14570+fra14571+fra14572 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14573+fra14574+fra14575+fra14576 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14577+fra14578+fra14579+fra14580 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14581+fra14582+fra14583+fra14584 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14585+fra14586+fra14587+fra14588 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14589+fra14590+fra14591+fra14592 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14593+fra14594+fra14595+fra14596 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14597+fra14598+fra14599+fra14600 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14601+fra14602+fra14603+fra14604 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14605+fra14606+fra14607+fra14608 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14609+fra14610+fra14611+fra14612 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14613+fra14614+fra14615+fra14616 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14617+fra14618+fra14619+fra14620 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14621+fra14622+fra14623+fra14624 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14625+fra14626+fra14627+fra14628 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14629+fra14630+fra14631+fra14632 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14633+fra14634+fra14635+fra14636 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14637+fra14638+fra14639+fra14640 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14641+fra14642+fra14643+fra14644 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14645+fra14646+fra14647+fra14648 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14649+fra14650+fra14651+fra14652 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14653+fra14654+fra14655+fra14656 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14657+fra14658+fra14659+fra14660 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14661+fra14662+fra14663+fra14664 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14665+fra14666+fra14667+fra14668 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14669+fra14670+fra14671+fra14672 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14673+fra14674+fra14675+fra14676 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14677+fra14678+fra14679+fra14680 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14681+fra14682+fra14683+fra14684 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14685+fra14686+fra14687+fra14688 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14689+fra14690+fra14691+fra14692 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14693+fra14694+fra14695+fra14696 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14697+fra14698+fra14699+fra14700 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14701+fra14702+fra14703+fra14704 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14705+fra14706+fra14707+fra14708 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14709+fra14710+fra14711+fra14712 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14713+fra14714+fra14715+fra14716 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14717+fra14718+fra14719+fra14720 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14721+fra14722+fra14723+fra14724 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14725+fra14726+fra14727+fra14728 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14729+fra14730+fra14731+fra14732 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14733+fra14734+fra14735+fra14736 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14737+fra14738+fra14739+fra14740 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14741+fra14742+fra14743+fra14744 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14745+fra14746+fra14747+fra14748 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14749+fra14750+fra14751+fra14752 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14753+fra14754+fra14755+fra14756 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14757+fra14758+fra14759+fra14760 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14761+fra14762+fra14763+fra14764 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14765+fra14766+fra14767+fra14768 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14769+fra14770+fra14771+fra14772 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14773+fra14774+fra14775+fra14776 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14777+fra14778+fra14779+fra14780 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14781+fra14782+fra14783+fra14784 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14785+fra14786+fra14787+fra14788 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14789+fra14790+fra14791+fra14792 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14793+fra14794+fra14795+fra14796 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14797+fra14798+fra14799+fra14800 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14801+fra14802+fra14803+fra14804 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14805+fra14806+fra14807+fra14808 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14809+fra14810+fra14811+fra14812 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14813+fra14814+fra14815+fra14816 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14817+fra14818+fra14819+fra14820 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14821+fra14822+fra14823+fra14824 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14825+fra14826+fra14827+fra14828 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14829+fra14830+fra14831+fra14832 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14833+fra14834+fra14835+fra14836 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14837+fra14838+fra14839+fra14840 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14841+fra14842+fra14843+fra14844 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14845+fra14846+fra14847+fra14848 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14849+fra14850+fra14851+fra14852 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14853+fra14854+fra14855+fra14856 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14857+fra14858+fra14859+fra14860 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14861+fra14862+fra14863+fra14864 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14865+fra14866+fra14867+fra14868 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14869+fra14870+fra14871+fra14872 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14873+fra14874+fra14875+fra14876 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14877+fra14878+fra14879+fra14880 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14881+fra14882+fra14883+fra14884 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14885+fra14886+fra14887+fra14888 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14889+fra14890+fra14891+fra14892 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14893+fra14894+fra14895+fra14896 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14897+fra14898+fra14899+fra14900 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14901+fra14902+fra14903+fra14904 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14905+fra14906+fra14907+fra14908 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14909+fra14910+fra14911+fra14912 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14913+fra14914+fra14915+fra14916 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14917+fra14918+fra14919+fra14920 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14921+fra14922+fra14923+fra14924 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14925+fra14926+fra14927+fra14928 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14929+fra14930+fra14931+fra14932 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14933+fra14934+fra14935+fra14936 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14937+fra14938+fra14939+fra14940 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14941+fra14942+fra14943+fra14944 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14945+fra14946+fra14947+fra14948 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14949+fra14950+fra14951+fra14952 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14953+fra14954+fra14955+fra14956 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14957+fra14958+fra14959+fra14960 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14961+fra14962+fra14963+fra14964 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14965+fra14966+fra14967+fra14968 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14969+fra14970+fra14971+fra14972 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14973+fra14974+fra14975+fra14976 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14977+fra14978+fra14979+fra14980 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14981+fra14982+fra14983+fra14984 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14985+fra14986+fra14987+fra14988 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14989+fra14990+fra14991+fra14992 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra14993+fra14994+fra14995+fra14996 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra14997+fra14998+fra14999+fra15000 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15001+fra15002+fra15003+fra15004 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15005+fra15006+fra15007+fra15008 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15009+fra15010+fra15011+fra15012 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15013+fra15014+fra15015+fra15016 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15017+fra15018+fra15019+fra15020 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15021+fra15022+fra15023+fra15024 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15025+fra15026+fra15027+fra15028 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15029+fra15030+fra15031+fra15032 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15033+fra15034+fra15035+fra15036 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15037+fra15038+fra15039+fra15040 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15041+fra15042+fra15043+fra15044 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15045+fra15046+fra15047+fra15048 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15049+fra15050+fra15051+fra15052 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15053+fra15054+fra15055+fra15056 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15057+fra15058+fra15059+fra15060 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15061+fra15062+fra15063+fra15064 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15065+fra15066+fra15067+fra15068 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15069+fra15070+fra15071+fra15072 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15073+fra15074+fra15075+fra15076 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15077+fra15078+fra15079+fra15080 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15081+fra15082+fra15083+fra15084 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15085+fra15086+fra15087+fra15088 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15089+fra15090+fra15091+fra15092 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15093+fra15094+fra15095+fra15096 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15097+fra15098+fra15099+fra15100 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15101+fra15102+fra15103+fra15104 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15105+fra15106+fra15107+fra15108 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15109+fra15110+fra15111+fra15112 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15113+fra15114+fra15115+fra15116 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15117+fra15118+fra15119+fra15120 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15121+fra15122+fra15123+fra15124 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15125+fra15126+fra15127+fra15128 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15129+fra15130+fra15131+fra15132 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15133+fra15134+fra15135+fra15136 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15137+fra15138+fra15139+fra15140 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15141+fra15142+fra15143+fra15144 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15145+fra15146+fra15147+fra15148 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15149+fra15150+fra15151+fra15152 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15153+fra15154+fra15155+fra15156 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15157+fra15158+fra15159+fra15160 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15161+fra15162+fra15163+fra15164 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15165+fra15166+fra15167+fra15168 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15169+fra15170+fra15171+fra15172 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15173+fra15174+fra15175+fra15176 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15177+fra15178+fra15179+fra15180 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15181+fra15182+fra15183+fra15184 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15185+fra15186+fra15187+fra15188 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15189+fra15190+fra15191+fra15192 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15193+fra15194+fra15195+fra15196 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15197+fra15198+fra15199+fra15200 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15201+fra15202+fra15203+fra15204 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15205+fra15206+fra15207+fra15208 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15209+fra15210+fra15211+fra15212 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15213+fra15214+fra15215+fra15216 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15217+fra15218+fra15219+fra15220 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15221+fra15222+fra15223+fra15224 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15225+fra15226+fra15227+fra15228 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15229+fra15230+fra15231+fra15232 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15233+fra15234+fra15235+fra15236 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15237+fra15238+fra15239+fra15240 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15241+fra15242+fra15243+fra15244 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15245+fra15246+fra15247+fra15248 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15249+fra15250+fra15251+fra15252 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15253+fra15254+fra15255+fra15256 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15257+fra15258+fra15259+fra15260 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15261+fra15262+fra15263+fra15264 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15265+fra15266+fra15267+fra15268 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15269+fra15270+fra15271+fra15272 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15273+fra15274+fra15275+fra15276 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15277+fra15278+fra15279+fra15280 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15281+fra15282+fra15283+fra15284 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15285+fra15286+fra15287+fra15288 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15289+fra15290+fra15291+fra15292 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15293+fra15294+fra15295+fra15296 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15297+fra15298+fra15299+fra15300 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15301+fra15302+fra15303+fra15304 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15305+fra15306+fra15307+fra15308 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15309+fra15310+fra15311+fra15312 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15313+fra15314+fra15315+fra15316 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15317+fra15318+fra15319+fra15320 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15321+fra15322+fra15323+fra15324 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15325+fra15326+fra15327+fra15328 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15329+fra15330+fra15331+fra15332 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15333+fra15334+fra15335+fra15336 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15337+fra15338+fra15339+fra15340 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15341+fra15342+fra15343+fra15344 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15345+fra15346+fra15347+fra15348 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15349+fra15350+fra15351+fra15352 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15353+fra15354+fra15355+fra15356 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15357+fra15358+fra15359+fra15360 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15361+fra15362+fra15363+fra15364 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15365+fra15366+fra15367+fra15368 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15369+fra15370+fra15371+fra15372 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15373+fra15374+fra15375+fra15376 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15377+fra15378+fra15379+fra15380 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15381+fra15382+fra15383+fra15384 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15385+fra15386+fra15387+fra15388 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15389+fra15390+fra15391+fra15392 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15393+fra15394+fra15395+fra15396 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15397+fra15398+fra15399+fra15400 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15401+fra15402+fra15403+fra15404 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15405+fra15406+fra15407+fra15408 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15409+fra15410+fra15411+fra15412 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15413+fra15414+fra15415+fra15416 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15417+fra15418+fra15419+fra15420 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15421+fra15422+fra15423+fra15424 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15425+fra15426+fra15427+fra15428 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15429+fra15430+fra15431+fra15432 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15433+fra15434+fra15435+fra15436 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15437+fra15438+fra15439+fra15440 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15441+fra15442+fra15443+fra15444 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15445+fra15446+fra15447+fra15448 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15449+fra15450+fra15451+fra15452 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15453+fra15454+fra15455+fra15456 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15457+fra15458+fra15459+fra15460 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15461+fra15462+fra15463+fra15464 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15465+fra15466+fra15467+fra15468 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15469+fra15470+fra15471+fra15472 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15473+fra15474+fra15475+fra15476 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15477+fra15478+fra15479+fra15480 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15481+fra15482+fra15483+fra15484 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15485+fra15486+fra15487+fra15488 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15489+fra15490+fra15491+fra15492 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15493+fra15494+fra15495+fra15496 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15497+fra15498+fra15499+fra15500 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15501+fra15502+fra15503+fra15504 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15505+fra15506+fra15507+fra15508 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15509+fra15510+fra15511+fra15512 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15513+fra15514+fra15515+fra15516 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15517+fra15518+fra15519+fra15520 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15521+fra15522+fra15523+fra15524 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15525+fra15526+fra15527+fra15528 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15529+fra15530+fra15531+fra15532 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15533+fra15534+fra15535+fra15536 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15537+fra15538+fra15539+fra15540 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15541+fra15542+fra15543+fra15544 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15545+fra15546+fra15547+fra15548 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15549+fra15550+fra15551+fra15552 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15553+fra15554+fra15555+fra15556 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15557+fra15558+fra15559+fra15560 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15561+fra15562+fra15563+fra15564 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15565+fra15566+fra15567+fra15568 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15569+fra15570+fra15571+fra15572 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15573+fra15574+fra15575+fra15576 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15577+fra15578+fra15579+fra15580 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15581+fra15582+fra15583+fra15584 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15585+fra15586+fra15587+fra15588 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15589+fra15590+fra15591+fra15592 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15593+fra15594+fra15595+fra15596 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15597+fra15598+fra15599+fra15600 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15601+fra15602+fra15603+fra15604 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15605+fra15606+fra15607+fra15608 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15609+fra15610+fra15611+fra15612 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15613+fra15614+fra15615+fra15616 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15617+fra15618+fra15619+fra15620 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15621+fra15622+fra15623+fra15624 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15625+fra15626+fra15627+fra15628 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15629+fra15630+fra15631+fra15632 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15633+fra15634+fra15635+fra15636 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15637+fra15638+fra15639+fra15640 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15641+fra15642+fra15643+fra15644 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15645+fra15646+fra15647+fra15648 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15649+fra15650+fra15651+fra15652 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15653+fra15654+fra15655+fra15656 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15657+fra15658+fra15659+fra15660 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15661+fra15662+fra15663+fra15664 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15665+fra15666+fra15667+fra15668 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15669+fra15670+fra15671+fra15672 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15673+fra15674+fra15675+fra15676 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15677+fra15678+fra15679+fra15680 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15681+fra15682+fra15683+fra15684 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15685+fra15686+fra15687+fra15688 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15689+fra15690+fra15691+fra15692 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15693+fra15694+fra15695+fra15696 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15697+fra15698+fra15699+fra15700 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15701+fra15702+fra15703+fra15704 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15705+fra15706+fra15707+fra15708 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15709+fra15710+fra15711+fra15712 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15713+fra15714+fra15715+fra15716 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15717+fra15718+fra15719+fra15720 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15721+fra15722+fra15723+fra15724 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15725+fra15726+fra15727+fra15728 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15729+fra15730+fra15731+fra15732 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15733+fra15734+fra15735+fra15736 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15737+fra15738+fra15739+fra15740 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15741+fra15742+fra15743+fra15744 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15745+fra15746+fra15747+fra15748 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15749+fra15750+fra15751+fra15752 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15753+fra15754+fra15755+fra15756 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15757+fra15758+fra15759+fra15760 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15761+fra15762+fra15763+fra15764 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15765+fra15766+fra15767+fra15768 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15769+fra15770+fra15771+fra15772 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15773+fra15774+fra15775+fra15776 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15777+fra15778+fra15779+fra15780 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15781+fra15782+fra15783+fra15784 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15785+fra15786+fra15787+fra15788 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15789+fra15790+fra15791+fra15792 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15793+fra15794+fra15795+fra15796 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15797+fra15798+fra15799+fra15800 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15801+fra15802+fra15803+fra15804 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15805+fra15806+fra15807+fra15808 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15809+fra15810+fra15811+fra15812 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15813+fra15814+fra15815+fra15816 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15817+fra15818+fra15819+fra15820 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15821+fra15822+fra15823+fra15824 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15825+fra15826+fra15827+fra15828 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15829+fra15830+fra15831+fra15832 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15833+fra15834+fra15835+fra15836 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15837+fra15838+fra15839+fra15840 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15841+fra15842+fra15843+fra15844 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15845+fra15846+fra15847+fra15848 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15849+fra15850+fra15851+fra15852 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15853+fra15854+fra15855+fra15856 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15857+fra15858+fra15859+fra15860 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15861+fra15862+fra15863+fra15864 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15865+fra15866+fra15867+fra15868 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15869+fra15870+fra15871+fra15872 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15873+fra15874+fra15875+fra15876 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15877+fra15878+fra15879+fra15880 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15881+fra15882+fra15883+fra15884 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15885+fra15886+fra15887+fra15888 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15889+fra15890+fra15891+fra15892 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15893+fra15894+fra15895+fra15896 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15897+fra15898+fra15899+fra15900 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15901+fra15902+fra15903+fra15904 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15905+fra15906+fra15907+fra15908 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15909+fra15910+fra15911+fra15912 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15913+fra15914+fra15915+fra15916 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15917+fra15918+fra15919+fra15920 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15921+fra15922+fra15923+fra15924 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15925+fra15926+fra15927+fra15928 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15929+fra15930+fra15931+fra15932 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15933+fra15934+fra15935+fra15936 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15937+fra15938+fra15939+fra15940 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15941+fra15942+fra15943+fra15944 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15945+fra15946+fra15947+fra15948 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15949+fra15950+fra15951+fra15952 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15953+fra15954+fra15955+fra15956 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15957+fra15958+fra15959+fra15960 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15961+fra15962+fra15963+fra15964 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15965+fra15966+fra15967+fra15968 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15969+fra15970+fra15971+fra15972 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15973+fra15974+fra15975+fra15976 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15977+fra15978+fra15979+fra15980 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15981+fra15982+fra15983+fra15984 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15985+fra15986+fra15987+fra15988 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15989+fra15990+fra15991+fra15992 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra15993+fra15994+fra15995+fra15996 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra15997+fra15998+fra15999+fra16000 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16001+fra16002+fra16003+fra16004 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16005+fra16006+fra16007+fra16008 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16009+fra16010+fra16011+fra16012 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16013+fra16014+fra16015+fra16016 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16017+fra16018+fra16019+fra16020 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16021+fra16022+fra16023+fra16024 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16025+fra16026+fra16027+fra16028 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16029+fra16030+fra16031+fra16032 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16033+fra16034+fra16035+fra16036 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16037+fra16038+fra16039+fra16040 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16041+fra16042+fra16043+fra16044 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16045+fra16046+fra16047+fra16048 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16049+fra16050+fra16051+fra16052 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16053+fra16054+fra16055+fra16056 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16057+fra16058+fra16059+fra16060 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16061+fra16062+fra16063+fra16064 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16065+fra16066+fra16067+fra16068 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16069+fra16070+fra16071+fra16072 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16073+fra16074+fra16075+fra16076 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16077+fra16078+fra16079+fra16080 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16081+fra16082+fra16083+fra16084 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16085+fra16086+fra16087+fra16088 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16089+fra16090+fra16091+fra16092 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16093+fra16094+fra16095+fra16096 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16097+fra16098+fra16099+fra16100 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16101+fra16102+fra16103+fra16104 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16105+fra16106+fra16107+fra16108 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16109+fra16110+fra16111+fra16112 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16113+fra16114+fra16115+fra16116 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16117+fra16118+fra16119+fra16120 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16121+fra16122+fra16123+fra16124 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16125+fra16126+fra16127+fra16128 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16129+fra16130+fra16131+fra16132 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16133+fra16134+fra16135+fra16136 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16137+fra16138+fra16139+fra16140 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16141+fra16142+fra16143+fra16144 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16145+fra16146+fra16147+fra16148 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16149+fra16150+fra16151+fra16152 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16153+fra16154+fra16155+fra16156 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16157+fra16158+fra16159+fra16160 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16161+fra16162+fra16163+fra16164 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16165+fra16166+fra16167+fra16168 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16169+fra16170+fra16171+fra16172 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16173+fra16174+fra16175+fra16176 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16177+fra16178+fra16179+fra16180 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16181+fra16182+fra16183+fra16184 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16185+fra16186+fra16187+fra16188 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16189+fra16190+fra16191+fra16192 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16193+fra16194+fra16195+fra16196 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16197+fra16198+fra16199+fra16200 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16201+fra16202+fra16203+fra16204 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16205+fra16206+fra16207+fra16208 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16209+fra16210+fra16211+fra16212 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16213+fra16214+fra16215+fra16216 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16217+fra16218+fra16219+fra16220 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16221+fra16222+fra16223+fra16224 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16225+fra16226+fra16227+fra16228 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16229+fra16230+fra16231+fra16232 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16233+fra16234+fra16235+fra16236 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16237+fra16238+fra16239+fra16240 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16241+fra16242+fra16243+fra16244 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16245+fra16246+fra16247+fra16248 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16249+fra16250+fra16251+fra16252 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16253+fra16254+fra16255+fra16256 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16257+fra16258+fra16259+fra16260 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16261+fra16262+fra16263+fra16264 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16265+fra16266+fra16267+fra16268 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16269+fra16270+fra16271+fra16272 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16273+fra16274+fra16275+fra16276 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16277+fra16278+fra16279+fra16280 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16281+fra16282+fra16283+fra16284 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16285+fra16286+fra16287+fra16288 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16289+fra16290+fra16291+fra16292 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16293+fra16294+fra16295+fra16296 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16297+fra16298+fra16299+fra16300 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16301+fra16302+fra16303+fra16304 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16305+fra16306+fra16307+fra16308 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16309+fra16310+fra16311+fra16312 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16313+fra16314+fra16315+fra16316 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16317+fra16318+fra16319+fra16320 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16321+fra16322+fra16323+fra16324 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16325+fra16326+fra16327+fra16328 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16329+fra16330+fra16331+fra16332 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16333+fra16334+fra16335+fra16336 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16337+fra16338+fra16339+fra16340 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16341+fra16342+fra16343+fra16344 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16345+fra16346+fra16347+fra16348 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16349+fra16350+fra16351+fra16352 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16353+fra16354+fra16355+fra16356 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16357+fra16358+fra16359+fra16360 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16361+fra16362+fra16363+fra16364 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16365+fra16366+fra16367+fra16368 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16369+fra16370+fra16371+fra16372 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16373+fra16374+fra16375+fra16376 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16377+fra16378+fra16379+fra16380 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16381+fra16382+fra16383+fra16384 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16385+fra16386+fra16387+fra16388 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16389+fra16390+fra16391+fra16392 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16393+fra16394+fra16395+fra16396 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16397+fra16398+fra16399+fra16400 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16401+fra16402+fra16403+fra16404 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16405+fra16406+fra16407+fra16408 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16409+fra16410+fra16411+fra16412 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16413+fra16414+fra16415+fra16416 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16417+fra16418+fra16419+fra16420 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16421+fra16422+fra16423+fra16424 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16425+fra16426+fra16427+fra16428 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16429+fra16430+fra16431+fra16432 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16433+fra16434+fra16435+fra16436 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16437+fra16438+fra16439+fra16440 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16441+fra16442+fra16443+fra16444 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16445+fra16446+fra16447+fra16448 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16449+fra16450+fra16451+fra16452 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16453+fra16454+fra16455+fra16456 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16457+fra16458+fra16459+fra16460 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16461+fra16462+fra16463+fra16464 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16465+fra16466+fra16467+fra16468 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16469+fra16470+fra16471+fra16472 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16473+fra16474+fra16475+fra16476 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16477+fra16478+fra16479+fra16480 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16481+fra16482+fra16483+fra16484 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16485+fra16486+fra16487+fra16488 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16489+fra16490+fra16491+fra16492 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16493+fra16494+fra16495+fra16496 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16497+fra16498+fra16499+fra16500 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16501+fra16502+fra16503+fra16504 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16505+fra16506+fra16507+fra16508 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16509+fra16510+fra16511+fra16512 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16513+fra16514+fra16515+fra16516 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16517+fra16518+fra16519+fra16520 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16521+fra16522+fra16523+fra16524 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16525+fra16526+fra16527+fra16528 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16529+fra16530+fra16531+fra16532 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16533+fra16534+fra16535+fra16536 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16537+fra16538+fra16539+fra16540 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16541+fra16542+fra16543+fra16544 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16545+fra16546+fra16547+fra16548 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16549+fra16550+fra16551+fra16552 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16553+fra16554+fra16555+fra16556 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16557+fra16558+fra16559+fra16560 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16561+fra16562+fra16563+fra16564 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16565+fra16566+fra16567+fra16568 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16569+fra16570+fra16571+fra16572 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16573+fra16574+fra16575+fra16576 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16577+fra16578+fra16579+fra16580 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16581+fra16582+fra16583+fra16584 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16585+fra16586+fra16587+fra16588 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16589+fra16590+fra16591+fra16592 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16593+fra16594+fra16595+fra16596 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16597+fra16598+fra16599+fra16600 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16601+fra16602+fra16603+fra16604 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16605+fra16606+fra16607+fra16608 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16609+fra16610+fra16611+fra16612 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16613+fra16614+fra16615+fra16616 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16617+fra16618+fra16619+fra16620 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16621+fra16622+fra16623+fra16624 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16625+fra16626+fra16627+fra16628 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16629+fra16630+fra16631+fra16632 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16633+fra16634+fra16635+fra16636 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16637+fra16638+fra16639+fra16640 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16641+fra16642+fra16643+fra16644 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16645+fra16646+fra16647+fra16648 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16649+fra16650+fra16651+fra16652 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16653+fra16654+fra16655+fra16656 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16657+fra16658+fra16659+fra16660 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16661+fra16662+fra16663+fra16664 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16665+fra16666+fra16667+fra16668 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16669+fra16670+fra16671+fra16672 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16673+fra16674+fra16675+fra16676 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16677+fra16678+fra16679+fra16680 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16681+fra16682+fra16683+fra16684 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16685+fra16686+fra16687+fra16688 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16689+fra16690+fra16691+fra16692 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16693+fra16694+fra16695+fra16696 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16697+fra16698+fra16699+fra16700 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16701+fra16702+fra16703+fra16704 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16705+fra16706+fra16707+fra16708 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16709+fra16710+fra16711+fra16712 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16713+fra16714+fra16715+fra16716 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16717+fra16718+fra16719+fra16720 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16721+fra16722+fra16723+fra16724 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16725+fra16726+fra16727+fra16728 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16729+fra16730+fra16731+fra16732 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16733+fra16734+fra16735+fra16736 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16737+fra16738+fra16739+fra16740 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16741+fra16742+fra16743+fra16744 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16745+fra16746+fra16747+fra16748 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16749+fra16750+fra16751+fra16752 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16753+fra16754+fra16755+fra16756 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16757+fra16758+fra16759+fra16760 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16761+fra16762+fra16763+fra16764 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16765+fra16766+fra16767+fra16768 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16769+fra16770+fra16771+fra16772 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16773+fra16774+fra16775+fra16776 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16777+fra16778+fra16779+fra16780 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16781+fra16782+fra16783+fra16784 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16785+fra16786+fra16787+fra16788 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16789+fra16790+fra16791+fra16792 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16793+fra16794+fra16795+fra16796 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16797+fra16798+fra16799+fra16800 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16801+fra16802+fra16803+fra16804 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16805+fra16806+fra16807+fra16808 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16809+fra16810+fra16811+fra16812 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16813+fra16814+fra16815+fra16816 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16817+fra16818+fra16819+fra16820 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16821+fra16822+fra16823+fra16824 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16825+fra16826+fra16827+fra16828 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16829+fra16830+fra16831+fra16832 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16833+fra16834+fra16835+fra16836 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16837+fra16838+fra16839+fra16840 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16841+fra16842+fra16843+fra16844 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16845+fra16846+fra16847+fra16848 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16849+fra16850+fra16851+fra16852 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16853+fra16854+fra16855+fra16856 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16857+fra16858+fra16859+fra16860 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16861+fra16862+fra16863+fra16864 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16865+fra16866+fra16867+fra16868 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16869+fra16870+fra16871+fra16872 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16873+fra16874+fra16875+fra16876 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16877+fra16878+fra16879+fra16880 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16881+fra16882+fra16883+fra16884 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16885+fra16886+fra16887+fra16888 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16889+fra16890+fra16891+fra16892 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16893+fra16894+fra16895+fra16896 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16897+fra16898+fra16899+fra16900 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16901+fra16902+fra16903+fra16904 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16905+fra16906+fra16907+fra16908 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16909+fra16910+fra16911+fra16912 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16913+fra16914+fra16915+fra16916 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16917+fra16918+fra16919+fra16920 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16921+fra16922+fra16923+fra16924 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16925+fra16926+fra16927+fra16928 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16929+fra16930+fra16931+fra16932 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16933+fra16934+fra16935+fra16936 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16937+fra16938+fra16939+fra16940 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16941+fra16942+fra16943+fra16944 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16945+fra16946+fra16947+fra16948 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16949+fra16950+fra16951+fra16952 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16953+fra16954+fra16955+fra16956 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16957+fra16958+fra16959+fra16960 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16961+fra16962+fra16963+fra16964 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16965+fra16966+fra16967+fra16968 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16969+fra16970+fra16971+fra16972 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16973+fra16974+fra16975+fra16976 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16977+fra16978+fra16979+fra16980 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16981+fra16982+fra16983+fra16984 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16985+fra16986+fra16987+fra16988 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16989+fra16990+fra16991+fra16992 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra16993+fra16994+fra16995+fra16996 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra16997+fra16998+fra16999+fra17000 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17001+fra17002+fra17003+fra17004 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17005+fra17006+fra17007+fra17008 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17009+fra17010+fra17011+fra17012 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17013+fra17014+fra17015+fra17016 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17017+fra17018+fra17019+fra17020 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17021+fra17022+fra17023+fra17024 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17025+fra17026+fra17027+fra17028 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17029+fra17030+fra17031+fra17032 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17033+fra17034+fra17035+fra17036 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17037+fra17038+fra17039+fra17040 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17041+fra17042+fra17043+fra17044 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17045+fra17046+fra17047+fra17048 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17049+fra17050+fra17051+fra17052 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17053+fra17054+fra17055+fra17056 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17057+fra17058+fra17059+fra17060 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17061+fra17062+fra17063+fra17064 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17065+fra17066+fra17067+fra17068 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17069+fra17070+fra17071+fra17072 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17073+fra17074+fra17075+fra17076 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17077+fra17078+fra17079+fra17080 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17081+fra17082+fra17083+fra17084 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17085+fra17086+fra17087+fra17088 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17089+fra17090+fra17091+fra17092 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17093+fra17094+fra17095+fra17096 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17097+fra17098+fra17099+fra17100 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17101+fra17102+fra17103+fra17104 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17105+fra17106+fra17107+fra17108 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17109+fra17110+fra17111+fra17112 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17113+fra17114+fra17115+fra17116 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17117+fra17118+fra17119+fra17120 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17121+fra17122+fra17123+fra17124 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17125+fra17126+fra17127+fra17128 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17129+fra17130+fra17131+fra17132 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17133+fra17134+fra17135+fra17136 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17137+fra17138+fra17139+fra17140 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17141+fra17142+fra17143+fra17144 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17145+fra17146+fra17147+fra17148 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17149+fra17150+fra17151+fra17152 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17153+fra17154+fra17155+fra17156 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17157+fra17158+fra17159+fra17160 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17161+fra17162+fra17163+fra17164 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17165+fra17166+fra17167+fra17168 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17169+fra17170+fra17171+fra17172 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17173+fra17174+fra17175+fra17176 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17177+fra17178+fra17179+fra17180 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17181+fra17182+fra17183+fra17184 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17185+fra17186+fra17187+fra17188 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17189+fra17190+fra17191+fra17192 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17193+fra17194+fra17195+fra17196 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17197+fra17198+fra17199+fra17200 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17201+fra17202+fra17203+fra17204 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17205+fra17206+fra17207+fra17208 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17209+fra17210+fra17211+fra17212 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17213+fra17214+fra17215+fra17216 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17217+fra17218+fra17219+fra17220 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17221+fra17222+fra17223+fra17224 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17225+fra17226+fra17227+fra17228 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17229+fra17230+fra17231+fra17232 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17233+fra17234+fra17235+fra17236 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17237+fra17238+fra17239+fra17240 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17241+fra17242+fra17243+fra17244 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17245+fra17246+fra17247+fra17248 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17249+fra17250+fra17251+fra17252 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17253+fra17254+fra17255+fra17256 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17257+fra17258+fra17259+fra17260 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17261+fra17262+fra17263+fra17264 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17265+fra17266+fra17267+fra17268 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17269+fra17270+fra17271+fra17272 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17273+fra17274+fra17275+fra17276 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17277+fra17278+fra17279+fra17280 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17281+fra17282+fra17283+fra17284 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17285+fra17286+fra17287+fra17288 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17289+fra17290+fra17291+fra17292 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17293+fra17294+fra17295+fra17296 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17297+fra17298+fra17299+fra17300 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17301+fra17302+fra17303+fra17304 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17305+fra17306+fra17307+fra17308 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17309+fra17310+fra17311+fra17312 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17313+fra17314+fra17315+fra17316 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17317+fra17318+fra17319+fra17320 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17321+fra17322+fra17323+fra17324 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17325+fra17326+fra17327+fra17328 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17329+fra17330+fra17331+fra17332 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17333+fra17334+fra17335+fra17336 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17337+fra17338+fra17339+fra17340 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17341+fra17342+fra17343+fra17344 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17345+fra17346+fra17347+fra17348 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17349+fra17350+fra17351+fra17352 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17353+fra17354+fra17355+fra17356 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17357+fra17358+fra17359+fra17360 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17361+fra17362+fra17363+fra17364 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17365+fra17366+fra17367+fra17368 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17369+fra17370+fra17371+fra17372 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17373+fra17374+fra17375+fra17376 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17377+fra17378+fra17379+fra17380 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17381+fra17382+fra17383+fra17384 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17385+fra17386+fra17387+fra17388 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17389+fra17390+fra17391+fra17392 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17393+fra17394+fra17395+fra17396 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17397+fra17398+fra17399+fra17400 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17401+fra17402+fra17403+fra17404 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17405+fra17406+fra17407+fra17408 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17409+fra17410+fra17411+fra17412 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17413+fra17414+fra17415+fra17416 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17417+fra17418+fra17419+fra17420 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17421+fra17422+fra17423+fra17424 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17425+fra17426+fra17427+fra17428 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17429+fra17430+fra17431+fra17432 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17433+fra17434+fra17435+fra17436 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17437+fra17438+fra17439+fra17440 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17441+fra17442+fra17443+fra17444 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17445+fra17446+fra17447+fra17448 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17449+fra17450+fra17451+fra17452 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17453+fra17454+fra17455+fra17456 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17457+fra17458+fra17459+fra17460 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17461+fra17462+fra17463+fra17464 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17465+fra17466+fra17467+fra17468 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17469+fra17470+fra17471+fra17472 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17473+fra17474+fra17475+fra17476 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17477+fra17478+fra17479+fra17480 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17481+fra17482+fra17483+fra17484 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17485+fra17486+fra17487+fra17488 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17489+fra17490+fra17491+fra17492 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17493+fra17494+fra17495+fra17496 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17497+fra17498+fra17499+fra17500 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17501+fra17502+fra17503+fra17504 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17505+fra17506+fra17507+fra17508 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17509+fra17510+fra17511+fra17512 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17513+fra17514+fra17515+fra17516 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17517+fra17518+fra17519+fra17520 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17521+fra17522+fra17523+fra17524 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17525+fra17526+fra17527+fra17528 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17529+fra17530+fra17531+fra17532 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17533+fra17534+fra17535+fra17536 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17537+fra17538+fra17539+fra17540 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17541+fra17542+fra17543+fra17544 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17545+fra17546+fra17547+fra17548 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17549+fra17550+fra17551+fra17552 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17553+fra17554+fra17555+fra17556 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17557+fra17558+fra17559+fra17560 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17561+fra17562+fra17563+fra17564 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17565+fra17566+fra17567+fra17568 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17569+fra17570+fra17571+fra17572 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17573+fra17574+fra17575+fra17576 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17577+fra17578+fra17579+fra17580 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17581+fra17582+fra17583+fra17584 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17585+fra17586+fra17587+fra17588 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17589+fra17590+fra17591+fra17592 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17593+fra17594+fra17595+fra17596 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17597+fra17598+fra17599+fra17600 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17601+fra17602+fra17603+fra17604 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17605+fra17606+fra17607+fra17608 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17609+fra17610+fra17611+fra17612 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17613+fra17614+fra17615+fra17616 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17617+fra17618+fra17619+fra17620 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17621+fra17622+fra17623+fra17624 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17625+fra17626+fra17627+fra17628 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17629+fra17630+fra17631+fra17632 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17633+fra17634+fra17635+fra17636 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17637+fra17638+fra17639+fra17640 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17641+fra17642+fra17643+fra17644 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17645+fra17646+fra17647+fra17648 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17649+fra17650+fra17651+fra17652 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17653+fra17654+fra17655+fra17656 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17657+fra17658+fra17659+fra17660 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17661+fra17662+fra17663+fra17664 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17665+fra17666+fra17667+fra17668 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17669+fra17670+fra17671+fra17672 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17673+fra17674+fra17675+fra17676 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17677+fra17678+fra17679+fra17680 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17681+fra17682+fra17683+fra17684 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17685+fra17686+fra17687+fra17688 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17689+fra17690+fra17691+fra17692 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17693+fra17694+fra17695+fra17696 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17697+fra17698+fra17699+fra17700 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17701+fra17702+fra17703+fra17704 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17705+fra17706+fra17707+fra17708 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17709+fra17710+fra17711+fra17712 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17713+fra17714+fra17715+fra17716 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17717+fra17718+fra17719+fra17720 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17721+fra17722+fra17723+fra17724 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17725+fra17726+fra17727+fra17728 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17729+fra17730+fra17731+fra17732 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17733+fra17734+fra17735+fra17736 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17737+fra17738+fra17739+fra17740 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17741+fra17742+fra17743+fra17744 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17745+fra17746+fra17747+fra17748 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17749+fra17750+fra17751+fra17752 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17753+fra17754+fra17755+fra17756 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17757+fra17758+fra17759+fra17760 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17761+fra17762+fra17763+fra17764 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17765+fra17766+fra17767+fra17768 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17769+fra17770+fra17771+fra17772 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17773+fra17774+fra17775+fra17776 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17777+fra17778+fra17779+fra17780 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17781+fra17782+fra17783+fra17784 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17785+fra17786+fra17787+fra17788 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17789+fra17790+fra17791+fra17792 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17793+fra17794+fra17795+fra17796 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17797+fra17798+fra17799+fra17800 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17801+fra17802+fra17803+fra17804 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17805+fra17806+fra17807+fra17808 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17809+fra17810+fra17811+fra17812 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17813+fra17814+fra17815+fra17816 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17817+fra17818+fra17819+fra17820 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17821+fra17822+fra17823+fra17824 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17825+fra17826+fra17827+fra17828 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17829+fra17830+fra17831+fra17832 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17833+fra17834+fra17835+fra17836 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17837+fra17838+fra17839+fra17840 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17841+fra17842+fra17843+fra17844 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17845+fra17846+fra17847+fra17848 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17849+fra17850+fra17851+fra17852 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17853+fra17854+fra17855+fra17856 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17857+fra17858+fra17859+fra17860 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17861+fra17862+fra17863+fra17864 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17865+fra17866+fra17867+fra17868 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17869+fra17870+fra17871+fra17872 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17873+fra17874+fra17875+fra17876 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17877+fra17878+fra17879+fra17880 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17881+fra17882+fra17883+fra17884 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17885+fra17886+fra17887+fra17888 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17889+fra17890+fra17891+fra17892 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17893+fra17894+fra17895+fra17896 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17897+fra17898+fra17899+fra17900 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17901+fra17902+fra17903+fra17904 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17905+fra17906+fra17907+fra17908 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17909+fra17910+fra17911+fra17912 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17913+fra17914+fra17915+fra17916 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17917+fra17918+fra17919+fra17920 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17921+fra17922+fra17923+fra17924 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17925+fra17926+fra17927+fra17928 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17929+fra17930+fra17931+fra17932 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17933+fra17934+fra17935+fra17936 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17937+fra17938+fra17939+fra17940 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17941+fra17942+fra17943+fra17944 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17945+fra17946+fra17947+fra17948 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17949+fra17950+fra17951+fra17952 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17953+fra17954+fra17955+fra17956 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17957+fra17958+fra17959+fra17960 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17961+fra17962+fra17963+fra17964 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17965+fra17966+fra17967+fra17968 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17969+fra17970+fra17971+fra17972 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17973+fra17974+fra17975+fra17976 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17977+fra17978+fra17979+fra17980 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17981+fra17982+fra17983+fra17984 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17985+fra17986+fra17987+fra17988 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17989+fra17990+fra17991+fra17992 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra17993+fra17994+fra17995+fra17996 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra17997+fra17998+fra17999+fra18000 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18001+fra18002+fra18003+fra18004 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18005+fra18006+fra18007+fra18008 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18009+fra18010+fra18011+fra18012 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18013+fra18014+fra18015+fra18016 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18017+fra18018+fra18019+fra18020 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18021+fra18022+fra18023+fra18024 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18025+fra18026+fra18027+fra18028 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18029+fra18030+fra18031+fra18032 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18033+fra18034+fra18035+fra18036 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18037+fra18038+fra18039+fra18040 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18041+fra18042+fra18043+fra18044 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18045+fra18046+fra18047+fra18048 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18049+fra18050+fra18051+fra18052 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18053+fra18054+fra18055+fra18056 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18057+fra18058+fra18059+fra18060 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18061+fra18062+fra18063+fra18064 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18065+fra18066+fra18067+fra18068 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18069+fra18070+fra18071+fra18072 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18073+fra18074+fra18075+fra18076 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18077+fra18078+fra18079+fra18080 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18081+fra18082+fra18083+fra18084 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18085+fra18086+fra18087+fra18088 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18089+fra18090+fra18091+fra18092 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18093+fra18094+fra18095+fra18096 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18097+fra18098+fra18099+fra18100 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18101+fra18102+fra18103+fra18104 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18105+fra18106+fra18107+fra18108 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18109+fra18110+fra18111+fra18112 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18113+fra18114+fra18115+fra18116 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18117+fra18118+fra18119+fra18120 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18121+fra18122+fra18123+fra18124 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18125+fra18126+fra18127+fra18128 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18129+fra18130+fra18131+fra18132 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18133+fra18134+fra18135+fra18136 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18137+fra18138+fra18139+fra18140 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18141+fra18142+fra18143+fra18144 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18145+fra18146+fra18147+fra18148 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18149+fra18150+fra18151+fra18152 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18153+fra18154+fra18155+fra18156 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18157+fra18158+fra18159+fra18160 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18161+fra18162+fra18163+fra18164 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18165+fra18166+fra18167+fra18168 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18169+fra18170+fra18171+fra18172 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18173+fra18174+fra18175+fra18176 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18177+fra18178+fra18179+fra18180 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18181+fra18182+fra18183+fra18184 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18185+fra18186+fra18187+fra18188 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18189+fra18190+fra18191+fra18192 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18193+fra18194+fra18195+fra18196 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18197+fra18198+fra18199+fra18200 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18201+fra18202+fra18203+fra18204 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18205+fra18206+fra18207+fra18208 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18209+fra18210+fra18211+fra18212 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18213+fra18214+fra18215+fra18216 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18217+fra18218+fra18219+fra18220 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18221+fra18222+fra18223+fra18224 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18225+fra18226+fra18227+fra18228 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18229+fra18230+fra18231+fra18232 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18233+fra18234+fra18235+fra18236 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18237+fra18238+fra18239+fra18240 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18241+fra18242+fra18243+fra18244 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18245+fra18246+fra18247+fra18248 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18249+fra18250+fra18251+fra18252 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18253+fra18254+fra18255+fra18256 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18257+fra18258+fra18259+fra18260 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18261+fra18262+fra18263+fra18264 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18265+fra18266+fra18267+fra18268 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18269+fra18270+fra18271+fra18272 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18273+fra18274+fra18275+fra18276 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18277+fra18278+fra18279+fra18280 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18281+fra18282+fra18283+fra18284 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18285+fra18286+fra18287+fra18288 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18289+fra18290+fra18291+fra18292 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18293+fra18294+fra18295+fra18296 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18297+fra18298+fra18299+fra18300 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18301+fra18302+fra18303+fra18304 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18305+fra18306+fra18307+fra18308 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18309+fra18310+fra18311+fra18312 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18313+fra18314+fra18315+fra18316 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18317+fra18318+fra18319+fra18320 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18321+fra18322+fra18323+fra18324 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18325+fra18326+fra18327+fra18328 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18329+fra18330+fra18331+fra18332 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18333+fra18334+fra18335+fra18336 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18337+fra18338+fra18339+fra18340 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18341+fra18342+fra18343+fra18344 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18345+fra18346+fra18347+fra18348 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18349+fra18350+fra18351+fra18352 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18353+fra18354+fra18355+fra18356 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18357+fra18358+fra18359+fra18360 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18361+fra18362+fra18363+fra18364 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18365+fra18366+fra18367+fra18368 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18369+fra18370+fra18371+fra18372 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18373+fra18374+fra18375+fra18376 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18377+fra18378+fra18379+fra18380 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18381+fra18382+fra18383+fra18384 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18385+fra18386+fra18387+fra18388 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18389+fra18390+fra18391+fra18392 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18393+fra18394+fra18395+fra18396 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18397+fra18398+fra18399+fra18400 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18401+fra18402+fra18403+fra18404 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18405+fra18406+fra18407+fra18408 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18409+fra18410+fra18411+fra18412 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18413+fra18414+fra18415+fra18416 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18417+fra18418+fra18419+fra18420 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18421+fra18422+fra18423+fra18424 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18425+fra18426+fra18427+fra18428 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18429+fra18430+fra18431+fra18432 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18433+fra18434+fra18435+fra18436 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18437+fra18438+fra18439+fra18440 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18441+fra18442+fra18443+fra18444 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18445+fra18446+fra18447+fra18448 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18449+fra18450+fra18451+fra18452 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18453+fra18454+fra18455+fra18456 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18457+fra18458+fra18459+fra18460 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18461+fra18462+fra18463+fra18464 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18465+fra18466+fra18467+fra18468 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18469+fra18470+fra18471+fra18472 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18473+fra18474+fra18475+fra18476 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18477+fra18478+fra18479+fra18480 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18481+fra18482+fra18483+fra18484 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18485+fra18486+fra18487+fra18488 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18489+fra18490+fra18491+fra18492 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18493+fra18494+fra18495+fra18496 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18497+fra18498+fra18499+fra18500 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18501+fra18502+fra18503+fra18504 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18505+fra18506+fra18507+fra18508 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18509+fra18510+fra18511+fra18512 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18513+fra18514+fra18515+fra18516 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18517+fra18518+fra18519+fra18520 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18521+fra18522+fra18523+fra18524 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18525+fra18526+fra18527+fra18528 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18529+fra18530+fra18531+fra18532 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18533+fra18534+fra18535+fra18536 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18537+fra18538+fra18539+fra18540 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18541+fra18542+fra18543+fra18544 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18545+fra18546+fra18547+fra18548 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18549+fra18550+fra18551+fra18552 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18553+fra18554+fra18555+fra18556 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18557+fra18558+fra18559+fra18560 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18561+fra18562+fra18563+fra18564 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18565+fra18566+fra18567+fra18568 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18569+fra18570+fra18571+fra18572 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18573+fra18574+fra18575+fra18576 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18577+fra18578+fra18579+fra18580 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18581+fra18582+fra18583+fra18584 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18585+fra18586+fra18587+fra18588 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18589+fra18590+fra18591+fra18592 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18593+fra18594+fra18595+fra18596 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18597+fra18598+fra18599+fra18600 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18601+fra18602+fra18603+fra18604 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18605+fra18606+fra18607+fra18608 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18609+fra18610+fra18611+fra18612 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18613+fra18614+fra18615+fra18616 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18617+fra18618+fra18619+fra18620 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18621+fra18622+fra18623+fra18624 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18625+fra18626+fra18627+fra18628 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18629+fra18630+fra18631+fra18632 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18633+fra18634+fra18635+fra18636 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18637+fra18638+fra18639+fra18640 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18641+fra18642+fra18643+fra18644 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18645+fra18646+fra18647+fra18648 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18649+fra18650+fra18651+fra18652 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18653+fra18654+fra18655+fra18656 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18657+fra18658+fra18659+fra18660 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18661+fra18662+fra18663+fra18664 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18665+fra18666+fra18667+fra18668 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18669+fra18670+fra18671+fra18672 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18673+fra18674+fra18675+fra18676 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18677+fra18678+fra18679+fra18680 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18681+fra18682+fra18683+fra18684 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18685+fra18686+fra18687+fra18688 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18689+fra18690+fra18691+fra18692 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18693+fra18694+fra18695+fra18696 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18697+fra18698+fra18699+fra18700 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18701+fra18702+fra18703+fra18704 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18705+fra18706+fra18707+fra18708 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18709+fra18710+fra18711+fra18712 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18713+fra18714+fra18715+fra18716 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18717+fra18718+fra18719+fra18720 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18721+fra18722+fra18723+fra18724 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18725+fra18726+fra18727+fra18728 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18729+fra18730+fra18731+fra18732 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18733+fra18734+fra18735+fra18736 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18737+fra18738+fra18739+fra18740 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18741+fra18742+fra18743+fra18744 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18745+fra18746+fra18747+fra18748 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18749+fra18750+fra18751+fra18752 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18753+fra18754+fra18755+fra18756 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18757+fra18758+fra18759+fra18760 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18761+fra18762+fra18763+fra18764 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18765+fra18766+fra18767+fra18768 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18769+fra18770+fra18771+fra18772 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18773+fra18774+fra18775+fra18776 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18777+fra18778+fra18779+fra18780 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18781+fra18782+fra18783+fra18784 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18785+fra18786+fra18787+fra18788 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18789+fra18790+fra18791+fra18792 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18793+fra18794+fra18795+fra18796 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18797+fra18798+fra18799+fra18800 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18801+fra18802+fra18803+fra18804 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18805+fra18806+fra18807+fra18808 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18809+fra18810+fra18811+fra18812 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18813+fra18814+fra18815+fra18816 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18817+fra18818+fra18819+fra18820 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18821+fra18822+fra18823+fra18824 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18825+fra18826+fra18827+fra18828 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18829+fra18830+fra18831+fra18832 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18833+fra18834+fra18835+fra18836 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18837+fra18838+fra18839+fra18840 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18841+fra18842+fra18843+fra18844 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18845+fra18846+fra18847+fra18848 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18849+fra18850+fra18851+fra18852 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18853+fra18854+fra18855+fra18856 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18857+fra18858+fra18859+fra18860 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18861+fra18862+fra18863+fra18864 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18865+fra18866+fra18867+fra18868 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18869+fra18870+fra18871+fra18872 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18873+fra18874+fra18875+fra18876 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18877+fra18878+fra18879+fra18880 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18881+fra18882+fra18883+fra18884 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18885+fra18886+fra18887+fra18888 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18889+fra18890+fra18891+fra18892 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18893+fra18894+fra18895+fra18896 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18897+fra18898+fra18899+fra18900 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18901+fra18902+fra18903+fra18904 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18905+fra18906+fra18907+fra18908 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18909+fra18910+fra18911+fra18912 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18913+fra18914+fra18915+fra18916 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18917+fra18918+fra18919+fra18920 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18921+fra18922+fra18923+fra18924 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18925+fra18926+fra18927+fra18928 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18929+fra18930+fra18931+fra18932 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18933+fra18934+fra18935+fra18936 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18937+fra18938+fra18939+fra18940 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18941+fra18942+fra18943+fra18944 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18945+fra18946+fra18947+fra18948 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18949+fra18950+fra18951+fra18952 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18953+fra18954+fra18955+fra18956 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18957+fra18958+fra18959+fra18960 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18961+fra18962+fra18963+fra18964 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18965+fra18966+fra18967+fra18968 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18969+fra18970+fra18971+fra18972 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18973+fra18974+fra18975+fra18976 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18977+fra18978+fra18979+fra18980 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18981+fra18982+fra18983+fra18984 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18985+fra18986+fra18987+fra18988 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18989+fra18990+fra18991+fra18992 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra18993+fra18994+fra18995+fra18996 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra18997+fra18998+fra18999+fra19000 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19001+fra19002+fra19003+fra19004 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19005+fra19006+fra19007+fra19008 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19009+fra19010+fra19011+fra19012 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19013+fra19014+fra19015+fra19016 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19017+fra19018+fra19019+fra19020 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19021+fra19022+fra19023+fra19024 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19025+fra19026+fra19027+fra19028 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19029+fra19030+fra19031+fra19032 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19033+fra19034+fra19035+fra19036 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19037+fra19038+fra19039+fra19040 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19041+fra19042+fra19043+fra19044 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19045+fra19046+fra19047+fra19048 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19049+fra19050+fra19051+fra19052 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19053+fra19054+fra19055+fra19056 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19057+fra19058+fra19059+fra19060 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19061+fra19062+fra19063+fra19064 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19065+fra19066+fra19067+fra19068 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19069+fra19070+fra19071+fra19072 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19073+fra19074+fra19075+fra19076 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19077+fra19078+fra19079+fra19080 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19081+fra19082+fra19083+fra19084 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19085+fra19086+fra19087+fra19088 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19089+fra19090+fra19091+fra19092 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19093+fra19094+fra19095+fra19096 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19097+fra19098+fra19099+fra19100 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19101+fra19102+fra19103+fra19104 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19105+fra19106+fra19107+fra19108 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19109+fra19110+fra19111+fra19112 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19113+fra19114+fra19115+fra19116 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19117+fra19118+fra19119+fra19120 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19121+fra19122+fra19123+fra19124 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19125+fra19126+fra19127+fra19128 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19129+fra19130+fra19131+fra19132 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19133+fra19134+fra19135+fra19136 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19137+fra19138+fra19139+fra19140 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19141+fra19142+fra19143+fra19144 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19145+fra19146+fra19147+fra19148 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19149+fra19150+fra19151+fra19152 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19153+fra19154+fra19155+fra19156 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19157+fra19158+fra19159+fra19160 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19161+fra19162+fra19163+fra19164 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19165+fra19166+fra19167+fra19168 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19169+fra19170+fra19171+fra19172 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19173+fra19174+fra19175+fra19176 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19177+fra19178+fra19179+fra19180 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19181+fra19182+fra19183+fra19184 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19185+fra19186+fra19187+fra19188 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19189+fra19190+fra19191+fra19192 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19193+fra19194+fra19195+fra19196 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19197+fra19198+fra19199+fra19200 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19201+fra19202+fra19203+fra19204 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19205+fra19206+fra19207+fra19208 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19209+fra19210+fra19211+fra19212 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19213+fra19214+fra19215+fra19216 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19217+fra19218+fra19219+fra19220 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19221+fra19222+fra19223+fra19224 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19225+fra19226+fra19227+fra19228 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19229+fra19230+fra19231+fra19232 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19233+fra19234+fra19235+fra19236 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19237+fra19238+fra19239+fra19240 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19241+fra19242+fra19243+fra19244 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19245+fra19246+fra19247+fra19248 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19249+fra19250+fra19251+fra19252 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19253+fra19254+fra19255+fra19256 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19257+fra19258+fra19259+fra19260 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19261+fra19262+fra19263+fra19264 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19265+fra19266+fra19267+fra19268 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19269+fra19270+fra19271+fra19272 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19273+fra19274+fra19275+fra19276 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19277+fra19278+fra19279+fra19280 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19281+fra19282+fra19283+fra19284 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19285+fra19286+fra19287+fra19288 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19289+fra19290+fra19291+fra19292 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19293+fra19294+fra19295+fra19296 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19297+fra19298+fra19299+fra19300 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19301+fra19302+fra19303+fra19304 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19305+fra19306+fra19307+fra19308 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19309+fra19310+fra19311+fra19312 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19313+fra19314+fra19315+fra19316 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19317+fra19318+fra19319+fra19320 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19321+fra19322+fra19323+fra19324 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19325+fra19326+fra19327+fra19328 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19329+fra19330+fra19331+fra19332 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19333+fra19334+fra19335+fra19336 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19337+fra19338+fra19339+fra19340 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19341+fra19342+fra19343+fra19344 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19345+fra19346+fra19347+fra19348 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19349+fra19350+fra19351+fra19352 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19353+fra19354+fra19355+fra19356 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19357+fra19358+fra19359+fra19360 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19361+fra19362+fra19363+fra19364 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19365+fra19366+fra19367+fra19368 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19369+fra19370+fra19371+fra19372 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19373+fra19374+fra19375+fra19376 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19377+fra19378+fra19379+fra19380 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19381+fra19382+fra19383+fra19384 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19385+fra19386+fra19387+fra19388 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19389+fra19390+fra19391+fra19392 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19393+fra19394+fra19395+fra19396 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19397+fra19398+fra19399+fra19400 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19401+fra19402+fra19403+fra19404 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19405+fra19406+fra19407+fra19408 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19409+fra19410+fra19411+fra19412 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19413+fra19414+fra19415+fra19416 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19417+fra19418+fra19419+fra19420 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19421+fra19422+fra19423+fra19424 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19425+fra19426+fra19427+fra19428 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19429+fra19430+fra19431+fra19432 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19433+fra19434+fra19435+fra19436 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19437+fra19438+fra19439+fra19440 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19441+fra19442+fra19443+fra19444 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19445+fra19446+fra19447+fra19448 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19449+fra19450+fra19451+fra19452 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19453+fra19454+fra19455+fra19456 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19457+fra19458+fra19459+fra19460 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19461+fra19462+fra19463+fra19464 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19465+fra19466+fra19467+fra19468 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19469+fra19470+fra19471+fra19472 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19473+fra19474+fra19475+fra19476 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19477+fra19478+fra19479+fra19480 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19481+fra19482+fra19483+fra19484 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19485+fra19486+fra19487+fra19488 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19489+fra19490+fra19491+fra19492 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19493+fra19494+fra19495+fra19496 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19497+fra19498+fra19499+fra19500 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19501+fra19502+fra19503+fra19504 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19505+fra19506+fra19507+fra19508 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19509+fra19510+fra19511+fra19512 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19513+fra19514+fra19515+fra19516 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19517+fra19518+fra19519+fra19520 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19521+fra19522+fra19523+fra19524 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19525+fra19526+fra19527+fra19528 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19529+fra19530+fra19531+fra19532 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19533+fra19534+fra19535+fra19536 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19537+fra19538+fra19539+fra19540 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19541+fra19542+fra19543+fra19544 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19545+fra19546+fra19547+fra19548 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19549+fra19550+fra19551+fra19552 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19553+fra19554+fra19555+fra19556 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19557+fra19558+fra19559+fra19560 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19561+fra19562+fra19563+fra19564 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19565+fra19566+fra19567+fra19568 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19569+fra19570+fra19571+fra19572 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19573+fra19574+fra19575+fra19576 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19577+fra19578+fra19579+fra19580 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19581+fra19582+fra19583+fra19584 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19585+fra19586+fra19587+fra19588 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19589+fra19590+fra19591+fra19592 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19593+fra19594+fra19595+fra19596 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19597+fra19598+fra19599+fra19600 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19601+fra19602+fra19603+fra19604 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19605+fra19606+fra19607+fra19608 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19609+fra19610+fra19611+fra19612 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19613+fra19614+fra19615+fra19616 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19617+fra19618+fra19619+fra19620 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19621+fra19622+fra19623+fra19624 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19625+fra19626+fra19627+fra19628 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19629+fra19630+fra19631+fra19632 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19633+fra19634+fra19635+fra19636 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19637+fra19638+fra19639+fra19640 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19641+fra19642+fra19643+fra19644 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19645+fra19646+fra19647+fra19648 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19649+fra19650+fra19651+fra19652 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19653+fra19654+fra19655+fra19656 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19657+fra19658+fra19659+fra19660 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19661+fra19662+fra19663+fra19664 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19665+fra19666+fra19667+fra19668 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19669+fra19670+fra19671+fra19672 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19673+fra19674+fra19675+fra19676 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19677+fra19678+fra19679+fra19680 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19681+fra19682+fra19683+fra19684 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19685+fra19686+fra19687+fra19688 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19689+fra19690+fra19691+fra19692 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19693+fra19694+fra19695+fra19696 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19697+fra19698+fra19699+fra19700 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19701+fra19702+fra19703+fra19704 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19705+fra19706+fra19707+fra19708 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19709+fra19710+fra19711+fra19712 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19713+fra19714+fra19715+fra19716 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19717+fra19718+fra19719+fra19720 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19721+fra19722+fra19723+fra19724 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19725+fra19726+fra19727+fra19728 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19729+fra19730+fra19731+fra19732 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19733+fra19734+fra19735+fra19736 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19737+fra19738+fra19739+fra19740 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19741+fra19742+fra19743+fra19744 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19745+fra19746+fra19747+fra19748 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19749+fra19750+fra19751+fra19752 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19753+fra19754+fra19755+fra19756 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19757+fra19758+fra19759+fra19760 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19761+fra19762+fra19763+fra19764 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19765+fra19766+fra19767+fra19768 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19769+fra19770+fra19771+fra19772 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19773+fra19774+fra19775+fra19776 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19777+fra19778+fra19779+fra19780 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19781+fra19782+fra19783+fra19784 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19785+fra19786+fra19787+fra19788 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19789+fra19790+fra19791+fra19792 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19793+fra19794+fra19795+fra19796 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19797+fra19798+fra19799+fra19800 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19801+fra19802+fra19803+fra19804 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19805+fra19806+fra19807+fra19808 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19809+fra19810+fra19811+fra19812 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19813+fra19814+fra19815+fra19816 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19817+fra19818+fra19819+fra19820 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19821+fra19822+fra19823+fra19824 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19825+fra19826+fra19827+fra19828 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19829+fra19830+fra19831+fra19832 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19833+fra19834+fra19835+fra19836 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19837+fra19838+fra19839+fra19840 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19841+fra19842+fra19843+fra19844 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19845+fra19846+fra19847+fra19848 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19849+fra19850+fra19851+fra19852 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19853+fra19854+fra19855+fra19856 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19857+fra19858+fra19859+fra19860 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19861+fra19862+fra19863+fra19864 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19865+fra19866+fra19867+fra19868 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19869+fra19870+fra19871+fra19872 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19873+fra19874+fra19875+fra19876 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19877+fra19878+fra19879+fra19880 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19881+fra19882+fra19883+fra19884 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19885+fra19886+fra19887+fra19888 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19889+fra19890+fra19891+fra19892 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19893+fra19894+fra19895+fra19896 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19897+fra19898+fra19899+fra19900 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19901+fra19902+fra19903+fra19904 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19905+fra19906+fra19907+fra19908 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19909+fra19910+fra19911+fra19912 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19913+fra19914+fra19915+fra19916 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19917+fra19918+fra19919+fra19920 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19921+fra19922+fra19923+fra19924 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19925+fra19926+fra19927+fra19928 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19929+fra19930+fra19931+fra19932 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19933+fra19934+fra19935+fra19936 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19937+fra19938+fra19939+fra19940 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19941+fra19942+fra19943+fra19944 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19945+fra19946+fra19947+fra19948 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19949+fra19950+fra19951+fra19952 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19953+fra19954+fra19955+fra19956 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19957+fra19958+fra19959+fra19960 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19961+fra19962+fra19963+fra19964 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19965+fra19966+fra19967+fra19968 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19969+fra19970+fra19971+fra19972 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19973+fra19974+fra19975+fra19976 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19977+fra19978+fra19979+fra19980 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19981+fra19982+fra19983+fra19984 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19985+fra19986+fra19987+fra19988 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19989+fra19990+fra19991+fra19992 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra19993+fra19994+fra19995+fra19996 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra19997+fra19998+fra19999+fra20000 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20001+fra20002+fra20003+fra20004 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20005+fra20006+fra20007+fra20008 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20009+fra20010+fra20011+fra20012 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20013+fra20014+fra20015+fra20016 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20017+fra20018+fra20019+fra20020 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20021+fra20022+fra20023+fra20024 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20025+fra20026+fra20027+fra20028 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20029+fra20030+fra20031+fra20032 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20033+fra20034+fra20035+fra20036 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20037+fra20038+fra20039+fra20040 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20041+fra20042+fra20043+fra20044 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20045+fra20046+fra20047+fra20048 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20049+fra20050+fra20051+fra20052 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20053+fra20054+fra20055+fra20056 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20057+fra20058+fra20059+fra20060 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20061+fra20062+fra20063+fra20064 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20065+fra20066+fra20067+fra20068 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20069+fra20070+fra20071+fra20072 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20073+fra20074+fra20075+fra20076 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20077+fra20078+fra20079+fra20080 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20081+fra20082+fra20083+fra20084 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20085+fra20086+fra20087+fra20088 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20089+fra20090+fra20091+fra20092 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20093+fra20094+fra20095+fra20096 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20097+fra20098+fra20099+fra20100 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20101+fra20102+fra20103+fra20104 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20105+fra20106+fra20107+fra20108 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20109+fra20110+fra20111+fra20112 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20113+fra20114+fra20115+fra20116 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20117+fra20118+fra20119+fra20120 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20121+fra20122+fra20123+fra20124 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20125+fra20126+fra20127+fra20128 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20129+fra20130+fra20131+fra20132 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20133+fra20134+fra20135+fra20136 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20137+fra20138+fra20139+fra20140 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20141+fra20142+fra20143+fra20144 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20145+fra20146+fra20147+fra20148 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20149+fra20150+fra20151+fra20152 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20153+fra20154+fra20155+fra20156 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20157+fra20158+fra20159+fra20160 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20161+fra20162+fra20163+fra20164 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20165+fra20166+fra20167+fra20168 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20169+fra20170+fra20171+fra20172 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20173+fra20174+fra20175+fra20176 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20177+fra20178+fra20179+fra20180 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20181+fra20182+fra20183+fra20184 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20185+fra20186+fra20187+fra20188 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20189+fra20190+fra20191+fra20192 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20193+fra20194+fra20195+fra20196 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20197+fra20198+fra20199+fra20200 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20201+fra20202+fra20203+fra20204 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20205+fra20206+fra20207+fra20208 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20209+fra20210+fra20211+fra20212 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20213+fra20214+fra20215+fra20216 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20217+fra20218+fra20219+fra20220 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20221+fra20222+fra20223+fra20224 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20225+fra20226+fra20227+fra20228 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20229+fra20230+fra20231+fra20232 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20233+fra20234+fra20235+fra20236 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20237+fra20238+fra20239+fra20240 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20241+fra20242+fra20243+fra20244 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20245+fra20246+fra20247+fra20248 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20249+fra20250+fra20251+fra20252 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20253+fra20254+fra20255+fra20256 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20257+fra20258+fra20259+fra20260 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20261+fra20262+fra20263+fra20264 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20265+fra20266+fra20267+fra20268 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20269+fra20270+fra20271+fra20272 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20273+fra20274+fra20275+fra20276 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20277+fra20278+fra20279+fra20280 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20281+fra20282+fra20283+fra20284 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20285+fra20286+fra20287+fra20288 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20289+fra20290+fra20291+fra20292 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20293+fra20294+fra20295+fra20296 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20297+fra20298+fra20299+fra20300 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20301+fra20302+fra20303+fra20304 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20305+fra20306+fra20307+fra20308 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20309+fra20310+fra20311+fra20312 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20313+fra20314+fra20315+fra20316 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20317+fra20318+fra20319+fra20320 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20321+fra20322+fra20323+fra20324 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20325+fra20326+fra20327+fra20328 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20329+fra20330+fra20331+fra20332 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20333+fra20334+fra20335+fra20336 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20337+fra20338+fra20339+fra20340 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20341+fra20342+fra20343+fra20344 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20345+fra20346+fra20347+fra20348 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20349+fra20350+fra20351+fra20352 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20353+fra20354+fra20355+fra20356 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20357+fra20358+fra20359+fra20360 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20361+fra20362+fra20363+fra20364 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20365+fra20366+fra20367+fra20368 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20369+fra20370+fra20371+fra20372 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20373+fra20374+fra20375+fra20376 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20377+fra20378+fra20379+fra20380 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20381+fra20382+fra20383+fra20384 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20385+fra20386+fra20387+fra20388 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20389+fra20390+fra20391+fra20392 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20393+fra20394+fra20395+fra20396 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20397+fra20398+fra20399+fra20400 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20401+fra20402+fra20403+fra20404 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20405+fra20406+fra20407+fra20408 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20409+fra20410+fra20411+fra20412 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20413+fra20414+fra20415+fra20416 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20417+fra20418+fra20419+fra20420 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20421+fra20422+fra20423+fra20424 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20425+fra20426+fra20427+fra20428 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20429+fra20430+fra20431+fra20432 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20433+fra20434+fra20435+fra20436 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20437+fra20438+fra20439+fra20440 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20441+fra20442+fra20443+fra20444 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20445+fra20446+fra20447+fra20448 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20449+fra20450+fra20451+fra20452 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20453+fra20454+fra20455+fra20456 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20457+fra20458+fra20459+fra20460 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20461+fra20462+fra20463+fra20464 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20465+fra20466+fra20467+fra20468 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20469+fra20470+fra20471+fra20472 /v zzztempb
if errorlevel 1 goto nocopy
copy /b zzztempb+fra20473+fra20474+fra20475+fra20476 /v zzztempa
if errorlevel 1 goto nocopy
copy /b zzztempa+fra20477+fra20478+fra20479+fra20480 /v zzztempb
if errorlevel 1 goto nocopy
if not exist small goto do_ren
echo small already exists.
echo Recombined file is zzztempb
goto ok
:do_ren
rename zzztempb small
if errorlevel 1 goto nocopy
del zzztempa
if exist small goto ok
echo small not created.
goto end
:nocopy
echo Recombination of files failed.
goto end
:ok
Echo Recombination succeeded.
del fra00001
del fra00002
del fra00003
del fra00004
del fra00005
del fra00006
del fra00007
del fra00008
del fra00009
del fra00010
del fra00011
del fra00012
del fra00013
del fra00014
del fra00015
del fra00016
del fra00017
del fra00018
del fra00019
del fra00020
del fra00021
del fra00022
del fra00023
del fra00024
del fra00025
del fra00026
del fra00027
del fra00028
del fra00029
del fra00030
del fra00031
del fra00032
del fra00033
del fra00034
del fra00035
del fra00036
del fra00037
del fra00038
del fra00039
del fra00040
del fra00041
del fra00042
del fra00043
del fra00044
del fra00045
del fra00046
del fra00047
del fra00048
del fra00049
del fra00050
del fra00051
del fra00052
del fra00053
del fra00054
del fra00055
del fra00056
del fra00057
del fra00058
del fra00059
del fra00060
del fra00061
del fra00062
del fra00063
del fra00064
del fra00065
del fra00066
del fra00067
del fra00068
del fra00069
del fra00070
del fra00071
del fra00072
del fra00073
del fra00074
del fra00075
del fra00076
del fra00077
del fra00078
del fra00079
del fra00080
del fra00081
del fra00082
del fra00083
del fra00084
del fra00085
del fra00086
del fra00087
del fra00088
del fra00089
del fra00090
del fra00091
del fra00092
del fra00093
del fra00094
del fra00095
del fra00096
del fra00097
del fra00098
del fra00099
del fra00100
del fra00101
del fra00102
del fra00103
del fra00104
del fra00105
del fra00106
del fra00107
del fra00108
del fra00109
del fra00110
del fra00111
del fra00112
del fra00113
del fra00114
del fra00115
del fra00116
del fra00117
del fra00118
del fra00119
del fra00120
del fra00121
del fra00122
del fra00123
del fra00124
del fra00125
del fra00126
del fra00127
del fra00128
del fra00129
del fra00130
del fra00131
del fra00132
del fra00133
del fra00134
del fra00135
del fra00136
del fra00137
del fra00138
del fra00139
del fra00140
del fra00141
del fra00142
del fra00143
del fra00144
del fra00145
del fra00146
del fra00147
del fra00148
del fra00149
del fra00150
del fra00151
del fra00152
del fra00153
del fra00154
del fra00155
del fra00156
del fra00157
del fra00158
del fra00159
del fra00160
del fra00161
del fra00162
del fra00163
del fra00164
del fra00165
del fra00166
del fra00167
del fra00168
del fra00169
del fra00170
del fra00171
del fra00172
del fra00173
del fra00174
del fra00175
del fra00176
del fra00177
del fra00178
del fra00179
del fra00180
del fra00181
del fra00182
del fra00183
del fra00184
del fra00185
del fra00186
del fra00187
del fra00188
del fra00189
del fra00190
del fra00191
del fra00192
del fra00193
del fra00194
del fra00195
del fra00196
del fra00197
del fra00198
del fra00199
del fra00200
del fra00201
del fra00202
del fra00203
del fra00204
del fra00205
del fra00206
del fra00207
del fra00208
del fra00209
del fra00210
del fra00211
del fra00212
del fra00213
del fra00214
del fra00215
del fra00216
del fra00217
del fra00218
del fra00219
del fra00220
del fra00221
del fra00222
del fra00223
del fra00224
del fra00225
del fra00226
del fra00227
del fra00228
del fra00229
del fra00230
del fra00231
del fra00232
del fra00233
del fra00234
del fra00235
del fra00236
del fra00237
del fra00238
del fra00239
del fra00240
del fra00241
del fra00242
del fra00243
del fra00244
del fra00245
del fra00246
del fra00247
del fra00248
del fra00249
del fra00250
del fra00251
del fra00252
del fra00253
del fra00254
del fra00255
del fra00256
del fra00257
del fra00258
del fra00259
del fra00260
del fra00261
del fra00262
del fra00263
del fra00264
del fra00265
del fra00266
del fra00267
del fra00268
del fra00269
del fra00270
del fra00271
del fra00272
del fra00273
del fra00274
del fra00275
del fra00276
del fra00277
del fra00278
del fra00279
del fra00280
del fra00281
del fra00282
del fra00283
del fra00284
del fra00285
del fra00286
del fra00287
del fra00288
del fra00289
del fra00290
del fra00291
del fra00292
del fra00293
del fra00294
del fra00295
del fra00296
del fra00297
del fra00298
del fra00299
del fra00300
del fra00301
del fra00302
del fra00303
del fra00304
del fra00305
del fra00306
del fra00307
del fra00308
del fra00309
del fra00310
del fra00311
del fra00312
del fra00313
del fra00314
del fra00315
del fra00316
del fra00317
del fra00318
del fra00319
del fra00320
del fra00321
del fra00322
del fra00323
del fra00324
del fra00325
del fra00326
del fra00327
del fra00328
del fra00329
del fra00330
del fra00331
del fra00332
del fra00333
del fra00334
del fra00335
del fra00336
del fra00337
del fra00338
del fra00339
del fra00340
del fra00341
del fra00342
del fra00343
del fra00344
del fra00345
del fra00346
del fra00347
del fra00348
del fra00349
del fra00350
del fra00351
del fra00352
del fra00353
del fra00354
del fra00355
del fra00356
del fra00357
del fra00358
del fra00359
del fra00360
del fra00361
del fra00362
del fra00363
del fra00364
del fra00365
del fra00366
del fra00367
del fra00368
del fra00369
del fra00370
del fra00371
del fra00372
del fra00373
del fra00374
del fra00375
del fra00376
del fra00377
del fra00378
del fra00379
del fra00380
del fra00381
del fra00382
del fra00383
del fra00384
del fra00385
del fra00386
del fra00387
del fra00388
del fra00389
del fra00390
del fra00391
del fra00392
del fra00393
del fra00394
del fra00395
del fra00396
del fra00397
del fra00398
del fra00399
del fra00400
del fra00401
del fra00402
del fra00403
del fra00404
del fra00405
del fra00406
del fra00407
del fra00408
del fra00409
del fra00410
del fra00411
del fra00412
del fra00413
del fra00414
del fra00415
del fra00416
del fra00417
del fra00418
del fra00419
del fra00420
del fra00421
del fra00422
del fra00423
del fra00424
del fra00425
del fra00426
del fra00427
del fra00428
del fra00429
del fra00430
del fra00431
del fra00432
del fra00433
del fra00434
del fra00435
del fra00436
del fra00437
del fra00438
del fra00439
del fra00440
del fra00441
del fra00442
del fra00443
del fra00444
del fra00445
del fra00446
del fra00447
del fra00448
del fra00449
del fra00450
del fra00451
del fra00452
del fra00453
del fra00454
del fra00455
del fra00456
del fra00457
del fra00458
del fra00459
del fra00460
del fra00461
del fra00462
del fra00463
del fra00464
del fra00465
del fra00466
del fra00467
del fra00468
del fra00469
del fra00470
del fra00471
del fra00472
del fra00473
del fra00474
del fra00475
del fra00476
del fra00477
del fra00478
del fra00479
del fra00480
del fra00481
del fra00482
del fra00483
del fra00484
del fra00485
del fra00486
del fra00487
del fra00488
del fra00489
del fra00490
del fra00491
del fra00492
del fra00493
del fra00494
del fra00495
del fra00496
del fra00497
del fra00498
del fra00499
del fra00500
del fra00501
del fra00502
del fra00503
del fra00504
del fra00505
del fra00506
del fra00507
del fra00508
del fra00509
del fra00510
del fra00511
del fra00512
del fra00513
del fra00514
del fra00515
del fra00516
del fra00517
del fra00518
del fra00519
del fra00520
del fra00521
del fra00522
del fra00523
del fra00524
del fra00525
del fra00526
del fra00527
del fra00528
del fra00529
del fra00530
del fra00531
del fra00532
del fra00533
del fra00534
del fra00535
del fra00536
del fra00537
del fra00538
del fra00539
del fra00540
del fra00541
del fra00542
del fra00543
del fra00544
del fra00545
del fra00546
del fra00547
del fra00548
del fra00549
del fra00550
del fra00551
del fra00552
del fra00553
del fra00554
del fra00555
del fra00556
del fra00557
del fra00558
del fra00559
del fra00560
del fra00561
del fra00562
del fra00563
del fra00564
del fra00565
del fra00566
del fra00567
del fra00568
del fra00569
del fra00570
del fra00571
del fra00572
del fra00573
del fra00574
del fra00575
del fra00576
del fra00577
del fra00578
del fra00579
del fra00580
del fra00581
del fra00582
del fra00583
del fra00584
del fra00585
del fra00586
del fra00587
del fra00588
del fra00589
del fra00590
del fra00591
del fra00592
del fra00593
del fra00594
del fra00595
del fra00596
del fra00597
del fra00598
del fra00599
del fra00600
del fra00601
del fra00602
del fra00603
del fra00604
del fra00605
del fra00606
del fra00607
del fra00608
del fra00609
del fra00610
del fra00611
del fra00612
del fra00613
del fra00614
del fra00615
del fra00616
del fra00617
del fra00618
del fra00619
del fra00620
del fra00621
del fra00622
del fra00623
del fra00624
del fra00625
del fra00626
del fra00627
del fra00628
del fra00629
del fra00630
del fra00631
del fra00632
del fra00633
del fra00634
del fra00635
del fra00636
del fra00637
del fra00638
del fra00639
del fra00640
del fra00641
del fra00642
del fra00643
del fra00644
del fra00645
del fra00646
del fra00647
del fra00648
del fra00649
del fra00650
del fra00651
del fra00652
del fra00653
del fra00654
del fra00655
del fra00656
del fra00657
del fra00658
del fra00659
del fra00660
del fra00661
del fra00662
del fra00663
del fra00664
del fra00665
del fra00666
del fra00667
del fra00668
del fra00669
del fra00670
del fra00671
del fra00672
del fra00673
del fra00674
del fra00675
del fra00676
del fra00677
del fra00678
del fra00679
del fra00680
del fra00681
del fra00682
del fra00683
del fra00684
del fra00685
del fra00686
del fra00687
del fra00688
del fra00689
del fra00690
del fra00691
del fra00692
del fra00693
del fra00694
del fra00695
del fra00696
del fra00697
del fra00698
del fra00699
del fra00700
del fra00701
del fra00702
del fra00703
del fra00704
del fra00705
del fra00706
del fra00707
del fra00708
del fra00709
del fra00710
del fra00711
del fra00712
del fra00713
del fra00714
del fra00715
del fra00716
del fra00717
del fra00718
del fra00719
del fra00720
del fra00721
del fra00722
del fra00723
del fra00724
del fra00725
del fra00726
del fra00727
del fra00728
del fra00729
del fra00730
del fra00731
del fra00732
del fra00733
del fra00734
del fra00735
del fra00736
del fra00737
del fra00738
del fra00739
del fra00740
del fra00741
del fra00742
del fra00743
del fra00744
del fra00745
del fra00746
del fra00747
del fra00748
del fra00749
del fra00750
del fra00751
del fra00752
del fra00753
del fra00754
del fra00755
del fra00756
del fra00757
del fra00758
del fra00759
del fra00760
del fra00761
del fra00762
del fra00763
del fra00764
del fra00765
del fra00766
del fra00767
del fra00768
del fra00769
del fra00770
del fra00771
del fra00772
del fra00773
del fra00774
del fra00775
del fra00776
del fra00777
del fra00778
del fra00779
del fra00780
del fra00781
del fra00782
del fra00783
del fra00784
del fra00785
del fra00786
del fra00787
del fra00788
del fra00789
del fra00790
del fra00791
del fra00792
del fra00793
del fra00794
del fra00795
del fra00796
del fra00797
del fra00798
del fra00799
del fra00800
del fra00801
del fra00802
del fra00803
del fra00804
del fra00805
del fra00806
del fra00807
del fra00808
del fra00809
del fra00810
del fra00811
del fra00812
del fra00813
del fra00814
del fra00815
del fra00816
del fra00817
del fra00818
del fra00819
del fra00820
del fra00821
del fra00822
del fra00823
del fra00824
del fra00825
del fra00826
del fra00827
del fra00828
del fra00829
del fra00830
del fra00831
del fra00832
del fra00833
del fra00834
del fra00835
del fra00836
del fra00837
del fra00838
del fra00839
del fra00840
del fra00841
del fra00842
del fra00843
del fra00844
del fra00845
del fra00846
del fra00847
del fra00848
del fra00849
del fra00850
del fra00851
del fra00852
del fra00853
del fra00854
del fra00855
del fra00856
del fra00857
del fra00858
del fra00859
del fra00860
del fra00861
del fra00862
del fra00863
del fra00864
del fra00865
del fra00866
del fra00867
del fra00868
del fra00869
del fra00870
del fra00871
del fra00872
del fra00873
del fra00874
del fra00875
del fra00876
del fra00877
del fra00878
del fra00879
del fra00880
del fra00881
del fra00882
del fra00883
del fra00884
del fra00885
del fra00886
del fra00887
del fra00888
del fra00889
del fra00890
del fra00891
del fra00892
del fra00893
del fra00894
del fra00895
del fra00896
del fra00897
del fra00898
del fra00899
del fra00900
del fra00901
del fra00902
del fra00903
del fra00904
del fra00905
del fra00906
del fra00907
del fra00908
del fra00909
del fra00910
del fra00911
del fra00912
del fra00913
del fra00914
del fra00915
del fra00916
del fra00917
del fra00918
del fra00919
del fra00920
del fra00921
del fra00922
del fra00923
del fra00924
del fra00925
del fra00926
del fra00927
del fra00928
del fra00929
del fra00930
del fra00931
del fra00932
del fra00933
del fra00934
del fra00935
del fra00936
del fra00937
del fra00938
del fra00939
del fra00940
del fra00941
del fra00942
del fra00943
del fra00944
del fra00945
del fra00946
del fra00947
del fra00948
del fra00949
del fra00950
del fra00951
del fra00952
del fra00953
del fra00954
del fra00955
del fra00956
del fra00957
del fra00958
del fra00959
del fra00960
del fra00961
del fra00962
del fra00963
del fra00964
del fra00965
del fra00966
del fra00967
del fra00968
del fra00969
del fra00970
del fra00971
del fra00972
del fra00973
del fra00974
del fra00975
del fra00976
del fra00977
del fra00978
del fra00979
del fra00980
del fra00981
del fra00982
del fra00983
del fra00984
del fra00985
del fra00986
del fra00987
del fra00988
del fra00989
del fra00990
del fra00991
del fra00992
del fra00993
del fra00994
del fra00995
del fra00996
del fra00997
del fra00998
del fra00999
del fra01000
del fra01001
del fra01002
del fra01003
del fra01004
del fra01005
del fra01006
del fra01007
del fra01008
del fra01009
del fra01010
del fra01011
del fra01012
del fra01013
del fra01014
del fra01015
del fra01016
del fra01017
del fra01018
del fra01019
del fra01020
del fra01021
del fra01022
del fra01023
del fra01024
del fra01025
del fra01026
del fra01027
del fra01028
del fra01029
del fra01030
del fra01031
del fra01032
del fra01033
del fra01034
del fra01035
del fra01036
del fra01037
del fra01038
del fra01039
del fra01040
del fra01041
del fra01042
del fra01043
del fra01044
del fra01045
del fra01046
del fra01047
del fra01048
del fra01049
del fra01050
del fra01051
del fra01052
del fra01053
del fra01054
del fra01055
del fra01056
del fra01057
del fra01058
del fra01059
del fra01060
del fra01061
del fra01062
del fra01063
del fra01064
del fra01065
del fra01066
del fra01067
del fra01068
del fra01069
del fra01070
del fra01071
del fra01072
del fra01073
del fra01074
del fra01075
del fra01076
del fra01077
del fra01078
del fra01079
del fra01080
del fra01081
del fra01082
del fra01083
del fra01084
del fra01085
del fra01086
del fra01087
del fra01088
del fra01089
del fra01090
del fra01091
del fra01092
del fra01093
del fra01094
del fra01095
del fra01096
del fra01097
del fra01098
del fra01099
del fra01100
del fra01101
del fra01102
del fra01103
del fra01104
del fra01105
del fra01106
del fra01107
del fra01108
del fra01109
del fra01110
del fra01111
del fra01112
del fra01113
del fra01114
del fra01115
del fra01116
del fra01117
del fra01118
del fra01119
del fra01120
del fra01121
del fra01122
del fra01123
del fra01124
del fra01125
del fra01126
del fra01127
del fra01128
del fra01129
del fra01130
del fra01131
del fra01132
del fra01133
del fra01134
del fra01135
del fra01136
del fra01137
del fra01138
del fra01139
del fra01140
del fra01141
del fra01142
del fra01143
del fra01144
del fra01145
del fra01146
del fra01147
del fra01148
del fra01149
del fra01150
del fra01151
del fra01152
del fra01153
del fra01154
del fra01155
del fra01156
del fra01157
del fra01158
del fra01159
del fra01160
del fra01161
del fra01162
del fra01163
del fra01164
del fra01165
del fra01166
del fra01167
del fra01168
del fra01169
del fra01170
del fra01171
del fra01172
del fra01173
del fra01174
del fra01175
del fra01176
del fra01177
del fra01178
del fra01179
del fra01180
del fra01181
del fra01182
del fra01183
del fra01184
del fra01185
del fra01186
del fra01187
del fra01188
del fra01189
del fra01190
del fra01191
del fra01192
del fra01193
del fra01194
del fra01195
del fra01196
del fra01197
del fra01198
del fra01199
del fra01200
del fra01201
del fra01202
del fra01203
del fra01204
del fra01205
del fra01206
del fra01207
del fra01208
del fra01209
del fra01210
del fra01211
del fra01212
del fra01213
del fra01214
del fra01215
del fra01216
del fra01217
del fra01218
del fra01219
del fra01220
del fra01221
del fra01222
del fra01223
del fra01224
del fra01225
del fra01226
del fra01227
del fra01228
del fra01229
del fra01230
del fra01231
del fra01232
del fra01233
del fra01234
del fra01235
del fra01236
del fra01237
del fra01238
del fra01239
del fra01240
del fra01241
del fra01242
del fra01243
del fra01244
del fra01245
del fra01246
del fra01247
del fra01248
del fra01249
del fra01250
del fra01251
del fra01252
del fra01253
del fra01254
del fra01255
del fra01256
del fra01257
del fra01258
del fra01259
del fra01260
del fra01261
del fra01262
del fra01263
del fra01264
del fra01265
del fra01266
del fra01267
del fra01268
del fra01269
del fra01270
del fra01271
del fra01272
del fra01273
del fra01274
del fra01275
del fra01276
del fra01277
del fra01278
del fra01279
del fra01280
del fra01281
del fra01282
del fra01283
del fra01284
del fra01285
del fra01286
del fra01287
del fra01288
del fra01289
del fra01290
del fra01291
del fra01292
del fra01293
del fra01294
del fra01295
del fra01296
del fra01297
del fra01298
del fra01299
del fra01300
del fra01301
del fra01302
del fra01303
del fra01304
del fra01305
del fra01306
del fra01307
del fra01308
del fra01309
del fra01310
del fra01311
del fra01312
del fra01313
del fra01314
del fra01315
del fra01316
del fra01317
del fra01318
del fra01319
del fra01320
del fra01321
del fra01322
del fra01323
del fra01324
del fra01325
del fra01326
del fra01327
del fra01328
del fra01329
del fra01330
del fra01331
del fra01332
del fra01333
del fra01334
del fra01335
del fra01336
del fra01337
del fra01338
del fra01339
del fra01340
del fra01341
del fra01342
del fra01343
del fra01344
del fra01345
del fra01346
del fra01347
del fra01348
del fra01349
del fra01350
del fra01351
del fra01352
del fra01353
del fra01354
del fra01355
del fra01356
del fra01357
del fra01358
del fra01359
del fra01360
del fra01361
del fra01362
del fra01363
del fra01364
del fra01365
del fra01366
del fra01367
del fra01368
del fra01369
del fra01370
del fra01371
del fra01372
del fra01373
del fra01374
del fra01375
del fra01376
del fra01377
del fra01378
del fra01379
del fra01380
del fra01381
del fra01382
del fra01383
del fra01384
del fra01385
del fra01386
del fra01387
del fra01388
del fra01389
del fra01390
del fra01391
del fra01392
del fra01393
del fra01394
del fra01395
del fra01396
del fra01397
del fra01398
del fra01399
del fra01400
del fra01401
del fra01402
del fra01403
del fra01404
del fra01405
del fra01406
del fra01407
del fra01408
del fra01409
del fra01410
del fra01411
del fra01412
del fra01413
del fra01414
del fra01415
del fra01416
del fra01417
del fra01418
del fra01419
del fra01420
del fra01421
del fra01422
del fra01423
del fra01424
del fra01425
del fra01426
del fra01427
del fra01428
del fra01429
del fra01430
del fra01431
del fra01432
del fra01433
del fra01434
del fra01435
del fra01436
del fra01437
del fra01438
del fra01439
del fra01440
del fra01441
del fra01442
del fra01443
del fra01444
del fra01445
del fra01446
del fra01447
del fra01448
del fra01449
del fra01450
del fra01451
del fra01452
del fra01453
del fra01454
del fra01455
del fra01456
del fra01457
del fra01458
del fra01459
del fra01460
del fra01461
del fra01462
del fra01463
del fra01464
del fra01465
del fra01466
del fra01467
del fra01468
del fra01469
del fra01470
del fra01471
del fra01472
del fra01473
del fra01474
del fra01475
del fra01476
del fra01477
del fra01478
del fra01479
del fra01480
del fra01481
del fra01482
del fra01483
del fra01484
del fra01485
del fra01486
del fra01487
del fra01488
del fra01489
del fra01490
del fra01491
del fra01492
del fra01493
del fra01494
del fra01495
del fra01496
del fra01497
del fra01498
del fra01499
del fra01500
del fra01501
del fra01502
del fra01503
del fra01504
del fra01505
del fra01506
del fra01507
del fra01508
del fra01509
del fra01510
del fra01511
del fra01512
del fra01513
del fra01514
del fra01515
del fra01516
del fra01517
del fra01518
del fra01519
del fra01520
del fra01521
del fra01522
del fra01523
del fra01524
del fra01525
del fra01526
del fra01527
del fra01528
del fra01529
del fra01530
del fra01531
del fra01532
del fra01533
del fra01534
del fra01535
del fra01536
del fra01537
del fra01538
del fra01539
del fra01540
del fra01541
del fra01542
del fra01543
del fra01544
del fra01545
del fra01546
del fra01547
del fra01548
del fra01549
del fra01550
del fra01551
del fra01552
del fra01553
del fra01554
del fra01555
del fra01556
del fra01557
del fra01558
del fra01559
del fra01560
del fra01561
del fra01562
del fra01563
del fra01564
del fra01565
del fra01566
del fra01567
del fra01568
del fra01569
del fra01570
del fra01571
del fra01572
del fra01573
del fra01574
del fra01575
del fra01576
del fra01577
del fra01578
del fra01579
del fra01580
del fra01581
del fra01582
del fra01583
del fra01584
del fra01585
del fra01586
del fra01587
del fra01588
del fra01589
del fra01590
del fra01591
del fra01592
del fra01593
del fra01594
del fra01595
del fra01596
del fra01597
del fra01598
del fra01599
del fra01600
del fra01601
del fra01602
del fra01603
del fra01604
del fra01605
del fra01606
del fra01607
del fra01608
del fra01609
del fra01610
del fra01611
del fra01612
del fra01613
del fra01614
del fra01615
del fra01616
del fra01617
del fra01618
del fra01619
del fra01620
del fra01621
del fra01622
del fra01623
del fra01624
del fra01625
del fra01626
del fra01627
del fra01628
del fra01629
del fra01630
del fra01631
del fra01632
del fra01633
del fra01634
del fra01635
del fra01636
del fra01637
del fra01638
del fra01639
del fra01640
del fra01641
del fra01642
del fra01643
del fra01644
del fra01645
del fra01646
del fra01647
del fra01648
del fra01649
del fra01650
del fra01651
del fra01652
del fra01653
del fra01654
del fra01655
del fra01656
del fra01657
del fra01658
del fra01659
del fra01660
del fra01661
del fra01662
del fra01663
del fra01664
del fra01665
del fra01666
del fra01667
del fra01668
del fra01669
del fra01670
del fra01671
del fra01672
del fra01673
del fra01674
del fra01675
del fra01676
del fra01677
del fra01678
del fra01679
del fra01680
del fra01681
del fra01682
del fra01683
del fra01684
del fra01685
del fra01686
del fra01687
del fra01688
del fra01689
del fra01690
del fra01691
del fra01692
del fra01693
del fra01694
del fra01695
del fra01696
del fra01697
del fra01698
del fra01699
del fra01700
del fra01701
del fra01702
del fra01703
del fra01704
del fra01705
del fra01706
del fra01707
del fra01708
del fra01709
del fra01710
del fra01711
del fra01712
del fra01713
del fra01714
del fra01715
del fra01716
del fra01717
del fra01718
del fra01719
del fra01720
del fra01721
del fra01722
del fra01723
del fra01724
del fra01725
del fra01726
del fra01727
del fra01728
del fra01729
del fra01730
del fra01731
del fra01732
del fra01733
del fra01734
del fra01735
del fra01736
del fra01737
del fra01738
del fra01739
del fra01740
del fra01741
del fra01742
del fra01743
del fra01744
del fra01745
del fra01746
del fra01747
del fra01748
del fra01749
del fra01750
del fra01751
del fra01752
del fra01753
del fra01754
del fra01755
del fra01756
del fra01757
del fra01758
del fra01759
del fra01760
del fra01761
del fra01762
del fra01763
del fra01764
del fra01765
del fra01766
del fra01767
del fra01768
del fra01769
del fra01770
del fra01771
del fra01772
del fra01773
del fra01774
del fra01775
del fra01776
del fra01777
del fra01778
del fra01779
del fra01780
del fra01781
del fra01782
del fra01783
del fra01784
del fra01785
del fra01786
del fra01787
del fra01788
del fra01789
del fra01790
del fra01791
del fra01792
del fra01793
del fra01794
del fra01795
del fra01796
del fra01797
del fra01798
del fra01799
del fra01800
del fra01801
del fra01802
del fra01803
del fra01804
del fra01805
del fra01806
del fra01807
del fra01808
del fra01809
del fra01810
del fra01811
del fra01812
del fra01813
del fra01814
del fra01815
del fra01816
del fra01817
del fra01818
del fra01819
del fra01820
del fra01821
del fra01822
del fra01823
del fra01824
del fra01825
del fra01826
del fra01827
del fra01828
del fra01829
del fra01830
del fra01831
del fra01832
del fra01833
del fra01834
del fra01835
del fra01836
del fra01837
del fra01838
del fra01839
del fra01840
del fra01841
del fra01842
del fra01843
del fra01844
del fra01845
del fra01846
del fra01847
del fra01848
del fra01849
del fra01850
del fra01851
del fra01852
del fra01853
del fra01854
del fra01855
del fra01856
del fra01857
del fra01858
del fra01859
del fra01860
del fra01861
del fra01862
del fra01863
del fra01864
del fra01865
del fra01866
del fra01867
del fra01868
del fra01869
del fra01870
del fra01871
del fra01872
del fra01873
del fra01874
del fra01875
del fra01876
del fra01877
del fra01878
del fra01879
del fra01880
del fra01881
del fra01882
del fra01883
del fra01884
del fra01885
del fra01886
del fra01887
del fra01888
del fra01889
del fra01890
del fra01891
del fra01892
del fra01893
del fra01894
del fra01895
del fra01896
del fra01897
del fra01898
del fra01899
del fra01900
del fra01901
del fra01902
del fra01903
del fra01904
del fra01905
del fra01906
del fra01907
del fra01908
del fra01909
del fra01910
del fra01911
del fra01912
del fra01913
del fra01914
del fra01915
del fra01916
del fra01917
del fra01918
del fra01919
del fra01920
del fra01921
del fra01922
del fra01923
del fra01924
del fra01925
del fra01926
del fra01927
del fra01928
del fra01929
del fra01930
del fra01931
del fra01932
del fra01933
del fra01934
del fra01935
del fra01936
del fra01937
del fra01938
del fra01939
del fra01940
del fra01941
del fra01942
del fra01943
del fra01944
del fra01945
del fra01946
del fra01947
del fra01948
del fra01949
del fra01950
del fra01951
del fra01952
del fra01953
del fra01954
del fra01955
del fra01956
del fra01957
del fra01958
del fra01959
del fra01960
del fra01961
del fra01962
del fra01963
del fra01964
del fra01965
del fra01966
del fra01967
del fra01968
del fra01969
del fra01970
del fra01971
del fra01972
del fra01973
del fra01974
del fra01975
del fra01976
del fra01977
del fra01978
del fra01979
del fra01980
del fra01981
del fra01982
del fra01983
del fra01984
del fra01985
del fra01986
del fra01987
del fra01988
del fra01989
del fra01990
del fra01991
del fra01992
del fra01993
del fra01994
del fra01995
del fra01996
del fra01997
del fra01998
del fra01999
del fra02000
del fra02001
del fra02002
del fra02003
del fra02004
del fra02005
del fra02006
del fra02007
del fra02008
del fra02009
del fra02010
del fra02011
del fra02012
del fra02013
del fra02014
del fra02015
del fra02016
del fra02017
del fra02018
del fra02019
del fra02020
del fra02021
del fra02022
del fra02023
del fra02024
del fra02025
del fra02026
del fra02027
del fra02028
del fra02029
del fra02030
del fra02031
del fra02032
del fra02033
del fra02034
del fra02035
del fra02036
del fra02037
del fra02038
del fra02039
del fra02040
del fra02041
del fra02042
del fra02043
del fra02044
del fra02045
del fra02046
del fra02047
del fra02048
del fra02049
del fra02050
del fra02051
del fra02052
del fra02053
del fra02054
del fra02055
del fra02056
del fra02057
del fra02058
del fra02059
del fra02060
del fra02061
del fra02062
del fra02063
del fra02064
del fra02065
del fra02066
del fra02067
del fra02068
del fra02069
del fra02070
del fra02071
del fra02072
del fra02073
del fra02074
del fra02075
del fra02076
del fra02077
del fra02078
del fra02079
del fra02080
del fra02081
del fra02082
del fra02083
del fra02084
del fra02085
del fra02086
del fra02087
del fra02088
del fra02089
del fra02090
del fra02091
del fra02092
del fra02093
del fra02094
del fra02095
del fra02096
del fra02097
del fra02098
del fra02099
del fra02100
del fra02101
del fra02102
del fra02103
del fra02104
del fra02105
del fra02106
del fra02107
del fra02108
del fra02109
del fra02110
del fra02111
del fra02112
del fra02113
del fra02114
del fra02115
del fra02116
del fra02117
del fra02118
del fra02119
del fra02120
del fra02121
del fra02122
del fra02123
del fra02124
del fra02125
del fra02126
del fra02127
del fra02128
del fra02129
del fra02130
del fra02131
del fra02132
del fra02133
del fra02134
del fra02135
del fra02136
del fra02137
del fra02138
del fra02139
del fra02140
del fra02141
del fra02142
del fra02143
del fra02144
del fra02145
del fra02146
del fra02147
del fra02148
del fra02149
del fra02150
del fra02151
del fra02152
del fra02153
del fra02154
del fra02155
del fra02156
del fra02157
del fra02158
del fra02159
del fra02160
del fra02161
del fra02162
del fra02163
del fra02164
del fra02165
del fra02166
del fra02167
del fra02168
del fra02169
del fra02170
del fra02171
del fra02172
del fra02173
del fra02174
del fra02175
del fra02176
del fra02177
del fra02178
del fra02179
del fra02180
del fra02181
del fra02182
del fra02183
del fra02184
del fra02185
del fra02186
del fra02187
del fra02188
del fra02189
del fra02190
del fra02191
del fra02192
del fra02193
del fra02194
del fra02195
del fra02196
del fra02197
del fra02198
del fra02199
del fra02200
del fra02201
del fra02202
del fra02203
del fra02204
del fra02205
del fra02206
del fra02207
del fra02208
del fra02209
del fra02210
del fra02211
del fra02212
del fra02213
del fra02214
del fra02215
del fra02216
del fra02217
del fra02218
del fra02219
del fra02220
del fra02221
del fra02222
del fra02223
del fra02224
del fra02225
del fra02226
del fra02227
del fra02228
del fra02229
del fra02230
del fra02231
del fra02232
del fra02233
del fra02234
del fra02235
del fra02236
del fra02237
del fra02238
del fra02239
del fra02240
del fra02241
del fra02242
del fra02243
del fra02244
del fra02245
del fra02246
del fra02247
del fra02248
del fra02249
del fra02250
del fra02251
del fra02252
del fra02253
del fra02254
del fra02255
del fra02256
del fra02257
del fra02258
del fra02259
del fra02260
del fra02261
del fra02262
del fra02263
del fra02264
del fra02265
del fra02266
del fra02267
del fra02268
del fra02269
del fra02270
del fra02271
del fra02272
del fra02273
del fra02274
del fra02275
del fra02276
del fra02277
del fra02278
del fra02279
del fra02280
del fra02281
del fra02282
del fra02283
del fra02284
del fra02285
del fra02286
del fra02287
del fra02288
del fra02289
del fra02290
del fra02291
del fra02292
del fra02293
del fra02294
del fra02295
del fra02296
del fra02297
del fra02298
del fra02299
del fra02300
del fra02301
del fra02302
del fra02303
del fra02304
del fra02305
del fra02306
del fra02307
del fra02308
del fra02309
del fra02310
del fra02311
del fra02312
del fra02313
del fra02314
del fra02315
del fra02316
del fra02317
del fra02318
del fra02319
del fra02320
del fra02321
del fra02322
del fra02323
del fra02324
del fra02325
del fra02326
del fra02327
del fra02328
del fra02329
del fra02330
del fra02331
del fra02332
del fra02333
del fra02334
del fra02335
del fra02336
del fra02337
del fra02338
del fra02339
del fra02340
del fra02341
del fra02342
del fra02343
del fra02344
del fra02345
del fra02346
del fra02347
del fra02348
del fra02349
del fra02350
del fra02351
del fra02352
del fra02353
del fra02354
del fra02355
del fra02356
del fra02357
del fra02358
del fra02359
del fra02360
del fra02361
del fra02362
del fra02363
del fra02364
del fra02365
del fra02366
del fra02367
del fra02368
del fra02369
del fra02370
del fra02371
del fra02372
del fra02373
del fra02374
del fra02375
del fra02376
del fra02377
del fra02378
del fra02379
del fra02380
del fra02381
del fra02382
del fra02383
del fra02384
del fra02385
del fra02386
del fra02387
del fra02388
del fra02389
del fra02390
del fra02391
del fra02392
del fra02393
del fra02394
del fra02395
del fra02396
del fra02397
del fra02398
del fra02399
del fra02400
del fra02401
del fra02402
del fra02403
del fra02404
del fra02405
del fra02406
del fra02407
del fra02408
del fra02409
del fra02410
del fra02411
del fra02412
del fra02413
del fra02414
del fra02415
del fra02416
del fra02417
del fra02418
del fra02419
del fra02420
del fra02421
del fra02422
del fra02423
del fra02424
del fra02425
del fra02426
del fra02427
del fra02428
del fra02429
del fra02430
del fra02431
del fra02432
del fra02433
del fra02434
del fra02435
del fra02436
del fra02437
del fra02438
del fra02439
del fra02440
del fra02441
del fra02442
del fra02443
del fra02444
del fra02445
del fra02446
del fra02447
del fra02448
del fra02449
del fra02450
del fra02451
del fra02452
del fra02453
del fra02454
del fra02455
del fra02456
del fra02457
del fra02458
del fra02459
del fra02460
del fra02461
del fra02462
del fra02463
del fra02464
del fra02465
del fra02466
del fra02467
del fra02468
del fra02469
del fra02470
del fra02471
del fra02472
del fra02473
del fra02474
del fra02475
del fra02476
del fra02477
del fra02478
del fra02479
del fra02480
del fra02481
del fra02482
del fra02483
del fra02484
del fra02485
del fra02486
del fra02487
del fra02488
del fra02489
del fra02490
del fra02491
del fra02492
del fra02493
del fra02494
del fra02495
del fra02496
del fra02497
del fra02498
del fra02499
del fra02500
del fra02501
del fra02502
del fra02503
del fra02504
del fra02505
del fra02506
del fra02507
del fra02508
del fra02509
del fra02510
del fra02511
del fra02512
del fra02513
del fra02514
del fra02515
del fra02516
del fra02517
del fra02518
del fra02519
del fra02520
del fra02521
del fra02522
del fra02523
del fra02524
del fra02525
del fra02526
del fra02527
del fra02528
del fra02529
del fra02530
del fra02531
del fra02532
del fra02533
del fra02534
del fra02535
del fra02536
del fra02537
del fra02538
del fra02539
del fra02540
del fra02541
del fra02542
del fra02543
del fra02544
del fra02545
del fra02546
del fra02547
del fra02548
del fra02549
del fra02550
del fra02551
del fra02552
del fra02553
del fra02554
del fra02555
del fra02556
del fra02557
del fra02558
del fra02559
del fra02560
del fra02561
del fra02562
del fra02563
del fra02564
del fra02565
del fra02566
del fra02567
del fra02568
del fra02569
del fra02570
del fra02571
del fra02572
del fra02573
del fra02574
del fra02575
del fra02576
del fra02577
del fra02578
del fra02579
del fra02580
del fra02581
del fra02582
del fra02583
del fra02584
del fra02585
del fra02586
del fra02587
del fra02588
del fra02589
del fra02590
del fra02591
del fra02592
del fra02593
del fra02594
del fra02595
del fra02596
del fra02597
del fra02598
del fra02599
del fra02600
del fra02601
del fra02602
del fra02603
del fra02604
del fra02605
del fra02606
del fra02607
del fra02608
del fra02609
del fra02610
del fra02611
del fra02612
del fra02613
del fra02614
del fra02615
del fra02616
del fra02617
del fra02618
del fra02619
del fra02620
del fra02621
del fra02622
del fra02623
del fra02624
del fra02625
del fra02626
del fra02627
del fra02628
del fra02629
del fra02630
del fra02631
del fra02632
del fra02633
del fra02634
del fra02635
del fra02636
del fra02637
del fra02638
del fra02639
del fra02640
del fra02641
del fra02642
del fra02643
del fra02644
del fra02645
del fra02646
del fra02647
del fra02648
del fra02649
del fra02650
del fra02651
del fra02652
del fra02653
del fra02654
del fra02655
del fra02656
del fra02657
del fra02658
del fra02659
del fra02660
del fra02661
del fra02662
del fra02663
del fra02664
del fra02665
del fra02666
del fra02667
del fra02668
del fra02669
del fra02670
del fra02671
del fra02672
del fra02673
del fra02674
del fra02675
del fra02676
del fra02677
del fra02678
del fra02679
del fra02680
del fra02681
del fra02682
del fra02683
del fra02684
del fra02685
del fra02686
del fra02687
del fra02688
del fra02689
del fra02690
del fra02691
del fra02692
del fra02693
del fra02694
del fra02695
del fra02696
del fra02697
del fra02698
del fra02699
del fra02700
del fra02701
del fra02702
del fra02703
del fra02704
del fra02705
del fra02706
del fra02707
del fra02708
del fra02709
del fra02710
del fra02711
del fra02712
del fra02713
del fra02714
del fra02715
del fra02716
del fra02717
del fra02718
del fra02719
del fra02720
del fra02721
del fra02722
del fra02723
del fra02724
del fra02725
del fra02726
del fra02727
del fra02728
del fra02729
del fra02730
del fra02731
del fra02732
del fra02733
del fra02734
del fra02735
del fra02736
del fra02737
del fra02738
del fra02739
del fra02740
del fra02741
del fra02742
del fra02743
del fra02744
del fra02745
del fra02746
del fra02747
del fra02748
del fra02749
del fra02750
del fra02751
del fra02752
del fra02753
del fra02754
del fra02755
del fra02756
del fra02757
del fra02758
del fra02759
del fra02760
del fra02761
del fra02762
del fra02763
del fra02764
del fra02765
del fra02766
del fra02767
del fra02768
del fra02769
del fra02770
del fra02771
del fra02772
del fra02773
del fra02774
del fra02775
del fra02776
del fra02777
del fra02778
del fra02779
del fra02780
del fra02781
del fra02782
del fra02783
del fra02784
del fra02785
del fra02786
del fra02787
del fra02788
del fra02789
del fra02790
del fra02791
del fra02792
del fra02793
del fra02794
del fra02795
del fra02796
del fra02797
del fra02798
del fra02799
del fra02800
del fra02801
del fra02802
del fra02803
del fra02804
del fra02805
del fra02806
del fra02807
del fra02808
del fra02809
del fra02810
del fra02811
del fra02812
del fra02813
del fra02814
del fra02815
del fra02816
del fra02817
del fra02818
del fra02819
del fra02820
del fra02821
del fra02822
del fra02823
del fra02824
del fra02825
del fra02826
del fra02827
del fra02828
del fra02829
del fra02830
del fra02831
del fra02832
del fra02833
del fra02834
del fra02835
del fra02836
del fra02837
del fra02838
del fra02839
del fra02840
del fra02841
del fra02842
del fra02843
del fra02844
del fra02845
del fra02846
del fra02847
del fra02848
del fra02849
del fra02850
del fra02851
del fra02852
del fra02853
del fra02854
del fra02855
del fra02856
del fra02857
del fra02858
del fra02859
del fra02860
del fra02861
del fra02862
del fra02863
del fra02864
del fra02865
del fra02866
del fra02867
del fra02868
del fra02869
del fra02870
del fra02871
del fra02872
del fra02873
del fra02874
del fra02875
del fra02876
del fra02877
del fra02878
del fra02879
del fra02880
del fra02881
del fra02882
del fra02883
del fra02884
del fra02885
del fra02886
del fra02887
del fra02888
del fra02889
del fra02890
del fra02891
del fra02892
del fra02893
del fra02894
del fra02895
del fra02896
del fra02897
del fra02898
del fra02899
del fra02900
del fra02901
del fra02902
del fra02903
del fra02904
del fra02905
del fra02906
del fra02907
del fra02908
del fra02909
del fra02910
del fra02911
del fra02912
del fra02913
del fra02914
del fra02915
del fra02916
del fra02917
del fra02918
del fra02919
del fra02920
del fra02921
del fra02922
del fra02923
del fra02924
del fra02925
del fra02926
del fra02927
del fra02928
del fra02929
del fra02930
del fra02931
del fra02932
del fra02933
del fra02934
del fra02935
del fra02936
del fra02937
del fra02938
del fra02939
del fra02940
del fra02941
del fra02942
del fra02943
del fra02944
del fra02945
del fra02946
del fra02947
del fra02948
del fra02949
del fra02950
del fra02951
del fra02952
del fra02953
del fra02954
del fra02955
del fra02956
del fra02957
del fra02958
del fra02959
del fra02960
del fra02961
del fra02962
del fra02963
del fra02964
del fra02965
del fra02966
del fra02967
del fra02968
del fra02969
del fra02970
del fra02971
del fra02972
del fra02973
del fra02974
del fra02975
del fra02976
del fra02977
del fra02978
del fra02979
del fra02980
del fra02981
del fra02982
del fra02983
del fra02984
del fra02985
del fra02986
del fra02987
del fra02988
del fra02989
del fra02990
del fra02991
del fra02992
del fra02993
del fra02994
del fra02995
del fra02996
del fra02997
del fra02998
del fra02999
del fra03000
del fra03001
del fra03002
del fra03003
del fra03004
del fra03005
del fra03006
del fra03007
del fra03008
del fra03009
del fra03010
del fra03011
del fra03012
del fra03013
del fra03014
del fra03015
del fra03016
del fra03017
del fra03018
del fra03019
del fra03020
del fra03021
del fra03022
del fra03023
del fra03024
del fra03025
del fra03026
del fra03027
del fra03028
del fra03029
del fra03030
del fra03031
del fra03032
del fra03033
del fra03034
del fra03035
del fra03036
del fra03037
del fra03038
del fra03039
del fra03040
del fra03041
del fra03042
del fra03043
del fra03044
del fra03045
del fra03046
del fra03047
del fra03048
del fra03049
del fra03050
del fra03051
del fra03052
del fra03053
del fra03054
del fra03055
del fra03056
del fra03057
del fra03058
del fra03059
del fra03060
del fra03061
del fra03062
del fra03063
del fra03064
del fra03065
del fra03066
del fra03067
del fra03068
del fra03069
del fra03070
del fra03071
del fra03072
del fra03073
del fra03074
del fra03075
del fra03076
del fra03077
del fra03078
del fra03079
del fra03080
del fra03081
del fra03082
del fra03083
del fra03084
del fra03085
del fra03086
del fra03087
del fra03088
del fra03089
del fra03090
del fra03091
del fra03092
del fra03093
del fra03094
del fra03095
del fra03096
del fra03097
del fra03098
del fra03099
del fra03100
del fra03101
del fra03102
del fra03103
del fra03104
del fra03105
del fra03106
del fra03107
del fra03108
del fra03109
del fra03110
del fra03111
del fra03112
del fra03113
del fra03114
del fra03115
del fra03116
del fra03117
del fra03118
del fra03119
del fra03120
del fra03121
del fra03122
del fra03123
del fra03124
del fra03125
del fra03126
del fra03127
del fra03128
del fra03129
del fra03130
del fra03131
del fra03132
del fra03133
del fra03134
del fra03135
del fra03136
del fra03137
del fra03138
del fra03139
del fra03140
del fra03141
del fra03142
del fra03143
del fra03144
del fra03145
del fra03146
del fra03147
del fra03148
del fra03149
del fra03150
del fra03151
del fra03152
del fra03153
del fra03154
del fra03155
del fra03156
del fra03157
del fra03158
del fra03159
del fra03160
del fra03161
del fra03162
del fra03163
del fra03164
del fra03165
del fra03166
del fra03167
del fra03168
del fra03169
del fra03170
del fra03171
del fra03172
del fra03173
del fra03174
del fra03175
del fra03176
del fra03177
del fra03178
del fra03179
del fra03180
del fra03181
del fra03182
del fra03183
del fra03184
del fra03185
del fra03186
del fra03187
del fra03188
del fra03189
del fra03190
del fra03191
del fra03192
del fra03193
del fra03194
del fra03195
del fra03196
del fra03197
del fra03198
del fra03199
del fra03200
del fra03201
del fra03202
del fra03203
del fra03204
del fra03205
del fra03206
del fra03207
del fra03208
del fra03209
del fra03210
del fra03211
del fra03212
del fra03213
del fra03214
del fra03215
del fra03216
del fra03217
del fra03218
del fra03219
del fra03220
del fra03221
del fra03222
del fra03223
del fra03224
del fra03225
del fra03226
del fra03227
del fra03228
del fra03229
del fra03230
del fra03231
del fra03232
del fra03233
del fra03234
del fra03235
del fra03236
del fra03237
del fra03238
del fra03239
del fra03240
del fra03241
del fra03242
del fra03243
del fra03244
del fra03245
del fra03246
del fra03247
del fra03248
del fra03249
del fra03250
del fra03251
del fra03252
del fra03253
del fra03254
del fra03255
del fra03256
del fra03257
del fra03258
del fra03259
del fra03260
del fra03261
del fra03262
del fra03263
del fra03264
del fra03265
del fra03266
del fra03267
del fra03268
del fra03269
del fra03270
del fra03271
del fra03272
del fra03273
del fra03274
del fra03275
del fra03276
del fra03277
del fra03278
del fra03279
del fra03280
del fra03281
del fra03282
del fra03283
del fra03284
del fra03285
del fra03286
del fra03287
del fra03288
del fra03289
del fra03290
del fra03291
del fra03292
del fra03293
del fra03294
del fra03295
del fra03296
del fra03297
del fra03298
del fra03299
del fra03300
del fra03301
del fra03302
del fra03303
del fra03304
del fra03305
del fra03306
del fra03307
del fra03308
del fra03309
del fra03310
del fra03311
del fra03312
del fra03313
del fra03314
del fra03315
del fra03316
del fra03317
del fra03318
del fra03319
del fra03320
del fra03321
del fra03322
del fra03323
del fra03324
del fra03325
del fra03326
del fra03327
del fra03328
del fra03329
del fra03330
del fra03331
del fra03332
del fra03333
del fra03334
del fra03335
del fra03336
del fra03337
del fra03338
del fra03339
del fra03340
del fra03341
del fra03342
del fra03343
del fra03344
del fra03345
del fra03346
del fra03347
del fra03348
del fra03349
del fra03350
del fra03351
del fra03352
del fra03353
del fra03354
del fra03355
del fra03356
del fra03357
del fra03358
del fra03359
del fra03360
del fra03361
del fra03362
del fra03363
del fra03364
del fra03365
del fra03366
del fra03367
del fra03368
del fra03369
del fra03370
del fra03371
del fra03372
del fra03373
del fra03374
del fra03375
del fra03376
del fra03377
del fra03378
del fra03379
del fra03380
del fra03381
del fra03382
del fra03383
del fra03384
del fra03385
del fra03386
del fra03387
del fra03388
del fra03389
del fra03390
del fra03391
del fra03392
del fra03393
del fra03394
del fra03395
del fra03396
del fra03397
del fra03398
del fra03399
del fra03400
del fra03401
del fra03402
del fra03403
del fra03404
del fra03405
del fra03406
del fra03407
del fra03408
del fra03409
del fra03410
del fra03411
del fra03412
del fra03413
del fra03414
del fra03415
del fra03416
del fra03417
del fra03418
del fra03419
del fra03420
del fra03421
del fra03422
del fra03423
del fra03424
del fra03425
del fra03426
del fra03427
del fra03428
del fra03429
del fra03430
del fra03431
del fra03432
del fra03433
del fra03434
del fra03435
del fra03436
del fra03437
del fra03438
del fra03439
del fra03440
del fra03441
del fra03442
del fra03443
del fra03444
del fra03445
del fra03446
del fra03447
del fra03448
del fra03449
del fra03450
del fra03451
del fra03452
del fra03453
del fra03454
del fra03455
del fra03456
del fra03457
del fra03458
del fra03459
del fra03460
del fra03461
del fra03462
del fra03463
del fra03464
del fra03465
del fra03466
del fra03467
del fra03468
del fra03469
del fra03470
del fra03471
del fra03472
del fra03473
del fra03474
del fra03475
del fra03476
del fra03477
del fra03478
del fra03479
del fra03480
del fra03481
del fra03482
del fra03483
del fra03484
del fra03485
del fra03486
del fra03487
del fra03488
del fra03489
del fra03490
del fra03491
del fra03492
del fra03493
del fra03494
del fra03495
del fra03496
del fra03497
del fra03498
del fra03499
del fra03500
del fra03501
del fra03502
del fra03503
del fra03504
del fra03505
del fra03506
del fra03507
del fra03508
del fra03509
del fra03510
del fra03511
del fra03512
del fra03513
del fra03514
del fra03515
del fra03516
del fra03517
del fra03518
del fra03519
del fra03520
del fra03521
del fra03522
del fra03523
del fra03524
del fra03525
del fra03526
del fra03527
del fra03528
del fra03529
del fra03530
del fra03531
del fra03532
del fra03533
del fra03534
del fra03535
del fra03536
del fra03537
del fra03538
del fra03539
del fra03540
del fra03541
del fra03542
del fra03543
del fra03544
del fra03545
del fra03546
del fra03547
del fra03548
del fra03549
del fra03550
del fra03551
del fra03552
del fra03553
del fra03554
del fra03555
del fra03556
del fra03557
del fra03558
del fra03559
del fra03560
del fra03561
del fra03562
del fra03563
del fra03564
del fra03565
del fra03566
del fra03567
del fra03568
del fra03569
del fra03570
del fra03571
del fra03572
del fra03573
del fra03574
del fra03575
del fra03576
del fra03577
del fra03578
del fra03579
del fra03580
del fra03581
del fra03582
del fra03583
del fra03584
del fra03585
del fra03586
del fra03587
del fra03588
del fra03589
del fra03590
del fra03591
del fra03592
del fra03593
del fra03594
del fra03595
del fra03596
del fra03597
del fra03598
del fra03599
del fra03600
del fra03601
del fra03602
del fra03603
del fra03604
del fra03605
del fra03606
del fra03607
del fra03608
del fra03609
del fra03610
del fra03611
del fra03612
del fra03613
del fra03614
del fra03615
del fra03616
del fra03617
del fra03618
del fra03619
del fra03620
del fra03621
del fra03622
del fra03623
del fra03624
del fra03625
del fra03626
del fra03627
del fra03628
del fra03629
del fra03630
del fra03631
del fra03632
del fra03633
del fra03634
del fra03635
del fra03636
del fra03637
del fra03638
del fra03639
del fra03640
del fra03641
del fra03642
del fra03643
del fra03644
del fra03645
del fra03646
del fra03647
del fra03648
del fra03649
del fra03650
del fra03651
del fra03652
del fra03653
del fra03654
del fra03655
del fra03656
del fra03657
del fra03658
del fra03659
del fra03660
del fra03661
del fra03662
del fra03663
del fra03664
del fra03665
del fra03666
del fra03667
del fra03668
del fra03669
del fra03670
del fra03671
del fra03672
del fra03673
del fra03674
del fra03675
del fra03676
del fra03677
del fra03678
del fra03679
del fra03680
del fra03681
del fra03682
del fra03683
del fra03684
del fra03685
del fra03686
del fra03687
del fra03688
del fra03689
del fra03690
del fra03691
del fra03692
del fra03693
del fra03694
del fra03695
del fra03696
del fra03697
del fra03698
del fra03699
del fra03700
del fra03701
del fra03702
del fra03703
del fra03704
del fra03705
del fra03706
del fra03707
del fra03708
del fra03709
del fra03710
del fra03711
del fra03712
del fra03713
del fra03714
del fra03715
del fra03716
del fra03717
del fra03718
del fra03719
del fra03720
del fra03721
del fra03722
del fra03723
del fra03724
del fra03725
del fra03726
del fra03727
del fra03728
del fra03729
del fra03730
del fra03731
del fra03732
del fra03733
del fra03734
del fra03735
del fra03736
del fra03737
del fra03738
del fra03739
del fra03740
del fra03741
del fra03742
del fra03743
del fra03744
del fra03745
del fra03746
del fra03747
del fra03748
del fra03749
del fra03750
del fra03751
del fra03752
del fra03753
del fra03754
del fra03755
del fra03756
del fra03757
del fra03758
del fra03759
del fra03760
del fra03761
del fra03762
del fra03763
del fra03764
del fra03765
del fra03766
del fra03767
del fra03768
del fra03769
del fra03770
del fra03771
del fra03772
del fra03773
del fra03774
del fra03775
del fra03776
del fra03777
del fra03778
del fra03779
del fra03780
del fra03781
del fra03782
del fra03783
del fra03784
del fra03785
del fra03786
del fra03787
del fra03788
del fra03789
del fra03790
del fra03791
del fra03792
del fra03793
del fra03794
del fra03795
del fra03796
del fra03797
del fra03798
del fra03799
del fra03800
del fra03801
del fra03802
del fra03803
del fra03804
del fra03805
del fra03806
del fra03807
del fra03808
del fra03809
del fra03810
del fra03811
del fra03812
del fra03813
del fra03814
del fra03815
del fra03816
del fra03817
del fra03818
del fra03819
del fra03820
del fra03821
del fra03822
del fra03823
del fra03824
del fra03825
del fra03826
del fra03827
del fra03828
del fra03829
del fra03830
del fra03831
del fra03832
del fra03833
del fra03834
del fra03835
del fra03836
del fra03837
del fra03838
del fra03839
del fra03840
del fra03841
del fra03842
del fra03843
del fra03844
del fra03845
del fra03846
del fra03847
del fra03848
del fra03849
del fra03850
del fra03851
del fra03852
del fra03853
del fra03854
del fra03855
del fra03856
del fra03857
del fra03858
del fra03859
del fra03860
del fra03861
del fra03862
del fra03863
del fra03864
del fra03865
del fra03866
del fra03867
del fra03868
del fra03869
del fra03870
del fra03871
del fra03872
del fra03873
del fra03874
del fra03875
del fra03876
del fra03877
del fra03878
del fra03879
del fra03880
del fra03881
del fra03882
del fra03883
del fra03884
del fra03885
del fra03886
del fra03887
del fra03888
del fra03889
del fra03890
del fra03891
del fra03892
del fra03893
del fra03894
del fra03895
del fra03896
del fra03897
del fra03898
del fra03899
del fra03900
del fra03901
del fra03902
del fra03903
del fra03904
del fra03905
del fra03906
del fra03907
del fra03908
del fra03909
del fra03910
del fra03911
del fra03912
del fra03913
del fra03914
del fra03915
del fra03916
del fra03917
del fra03918
del fra03919
del fra03920
del fra03921
del fra03922
del fra03923
del fra03924
del fra03925
del fra03926
del fra03927
del fra03928
del fra03929
del fra03930
del fra03931
del fra03932
del fra03933
del fra03934
del fra03935
del fra03936
del fra03937
del fra03938
del fra03939
del fra03940
del fra03941
del fra03942
del fra03943
del fra03944
del fra03945
del fra03946
del fra03947
del fra03948
del fra03949
del fra03950
del fra03951
del fra03952
del fra03953
del fra03954
del fra03955
del fra03956
del fra03957
del fra03958
del fra03959
del fra03960
del fra03961
del fra03962
del fra03963
del fra03964
del fra03965
del fra03966
del fra03967
del fra03968
del fra03969
del fra03970
del fra03971
del fra03972
del fra03973
del fra03974
del fra03975
del fra03976
del fra03977
del fra03978
del fra03979
del fra03980
del fra03981
del fra03982
del fra03983
del fra03984
del fra03985
del fra03986
del fra03987
del fra03988
del fra03989
del fra03990
del fra03991
del fra03992
del fra03993
del fra03994
del fra03995
del fra03996
del fra03997
del fra03998
del fra03999
del fra04000
del fra04001
del fra04002
del fra04003
del fra04004
del fra04005
del fra04006
del fra04007
del fra04008
del fra04009
del fra04010
del fra04011
del fra04012
del fra04013
del fra04014
del fra04015
del fra04016
del fra04017
del fra04018
del fra04019
del fra04020
del fra04021
del fra04022
del fra04023
del fra04024
del fra04025
del fra04026
del fra04027
del fra04028
del fra04029
del fra04030
del fra04031
del fra04032
del fra04033
del fra04034
del fra04035
del fra04036
del fra04037
del fra04038
del fra04039
del fra04040
del fra04041
del fra04042
del fra04043
del fra04044
del fra04045
del fra04046
del fra04047
del fra04048
del fra04049
del fra04050
del fra04051
del fra04052
del fra04053
del fra04054
del fra04055
del fra04056
del fra04057
del fra04058
del fra04059
del fra04060
del fra04061
del fra04062
del fra04063
del fra04064
del fra04065
del fra04066
del fra04067
del fra04068
del fra04069
del fra04070
del fra04071
del fra04072
del fra04073
del fra04074
del fra04075
del fra04076
del fra04077
del fra04078
del fra04079
del fra04080
del fra04081
del fra04082
del fra04083
del fra04084
del fra04085
del fra04086
del fra04087
del fra04088
del fra04089
del fra04090
del fra04091
del fra04092
del fra04093
del fra04094
del fra04095
del fra04096
del fra04097
del fra04098
del fra04099
del fra04100
del fra04101
del fra04102
del fra04103
del fra04104
del fra04105
del fra04106
del fra04107
del fra04108
del fra04109
del fra04110
del fra04111
del fra04112
del fra04113
del fra04114
del fra04115
del fra04116
del fra04117
del fra04118
del fra04119
del fra04120
del fra04121
del fra04122
del fra04123
del fra04124
del fra04125
del fra04126
del fra04127
del fra04128
del fra04129
del fra04130
del fra04131
del fra04132
del fra04133
del fra04134
del fra04135
del fra04136
del fra04137
del fra04138
del fra04139
del fra04140
del fra04141
del fra04142
del fra04143
del fra04144
del fra04145
del fra04146
del fra04147
del fra04148
del fra04149
del fra04150
del fra04151
del fra04152
del fra04153
del fra04154
del fra04155
del fra04156
del fra04157
del fra04158
del fra04159
del fra04160
del fra04161
del fra04162
del fra04163
del fra04164
del fra04165
del fra04166
del fra04167
del fra04168
del fra04169
del fra04170
del fra04171
del fra04172
del fra04173
del fra04174
del fra04175
del fra04176
del fra04177
del fra04178
del fra04179
del fra04180
del fra04181
del fra04182
del fra04183
del fra04184
del fra04185
del fra04186
del fra04187
del fra04188
del fra04189
del fra04190
del fra04191
del fra04192
del fra04193
del fra04194
del fra04195
del fra04196
del fra04197
del fra04198
del fra04199
del fra04200
del fra04201
del fra04202
del fra04203
del fra04204
del fra04205
del fra04206
del fra04207
del fra04208
del fra04209
del fra04210
del fra04211
del fra04212
del fra04213
del fra04214
del fra04215
del fra04216
del fra04217
del fra04218
del fra04219
del fra04220
del fra04221
del fra04222
del fra04223
del fra04224
del fra04225
del fra04226
del fra04227
del fra04228
del fra04229
del fra04230
del fra04231
del fra04232
del fra04233
del fra04234
del fra04235
del fra04236
del fra04237
del fra04238
del fra04239
del fra04240
del fra04241
del fra04242
del fra04243
del fra04244
del fra04245
del fra04246
del fra04247
del fra04248
del fra04249
del fra04250
del fra04251
del fra04252
del fra04253
del fra04254
del fra04255
del fra04256
del fra04257
del fra04258
del fra04259
del fra04260
del fra04261
del fra04262
del fra04263
del fra04264
del fra04265
del fra04266
del fra04267
del fra04268
del fra04269
del fra04270
del fra04271
del fra04272
del fra04273
del fra04274
del fra04275
del fra04276
del fra04277
del fra04278
del fra04279
del fra04280
del fra04281
del fra04282
del fra04283
del fra04284
del fra04285
del fra04286
del fra04287
del fra04288
del fra04289
del fra04290
del fra04291
del fra04292
del fra04293
del fra04294
del fra04295
del fra04296
del fra04297
del fra04298
del fra04299
del fra04300
del fra04301
del fra04302
del fra04303
del fra04304
del fra04305
del fra04306
del fra04307
del fra04308
del fra04309
del fra04310
del fra04311
del fra04312
del fra04313
del fra04314
del fra04315
del fra04316
del fra04317
del fra04318
del fra04319
del fra04320
del fra04321
del fra04322
del fra04323
del fra04324
del fra04325
del fra04326
del fra04327
del fra04328
del fra04329
del fra04330
del fra04331
del fra04332
del fra04333
del fra04334
del fra04335
del fra04336
del fra04337
del fra04338
del fra04339
del fra04340
del fra04341
del fra04342
del fra04343
del fra04344
del fra04345
del fra04346
del fra04347
del fra04348
del fra04349
del fra04350
del fra04351
del fra04352
del fra04353
del fra04354
del fra04355
del fra04356
del fra04357
del fra04358
del fra04359
del fra04360
del fra04361
del fra04362
del fra04363
del fra04364
del fra04365
del fra04366
del fra04367
del fra04368
del fra04369
del fra04370
del fra04371
del fra04372
del fra04373
del fra04374
del fra04375
del fra04376
del fra04377
del fra04378
del fra04379
del fra04380
del fra04381
del fra04382
del fra04383
del fra04384
del fra04385
del fra04386
del fra04387
del fra04388
del fra04389
del fra04390
del fra04391
del fra04392
del fra04393
del fra04394
del fra04395
del fra04396
del fra04397
del fra04398
del fra04399
del fra04400
del fra04401
del fra04402
del fra04403
del fra04404
del fra04405
del fra04406
del fra04407
del fra04408
del fra04409
del fra04410
del fra04411
del fra04412
del fra04413
del fra04414
del fra04415
del fra04416
del fra04417
del fra04418
del fra04419
del fra04420
del fra04421
del fra04422
del fra04423
del fra04424
del fra04425
del fra04426
del fra04427
del fra04428
del fra04429
del fra04430
del fra04431
del fra04432
del fra04433
del fra04434
del fra04435
del fra04436
del fra04437
del fra04438
del fra04439
del fra04440
del fra04441
del fra04442
del fra04443
del fra04444
del fra04445
del fra04446
del fra04447
del fra04448
del fra04449
del fra04450
del fra04451
del fra04452
del fra04453
del fra04454
del fra04455
del fra04456
del fra04457
del fra04458
del fra04459
del fra04460
del fra04461
del fra04462
del fra04463
del fra04464
del fra04465
del fra04466
del fra04467
del fra04468
del fra04469
del fra04470
del fra04471
del fra04472
del fra04473
del fra04474
del fra04475
del fra04476
del fra04477
del fra04478
del fra04479
del fra04480
del fra04481
del fra04482
del fra04483
del fra04484
del fra04485
del fra04486
del fra04487
del fra04488
del fra04489
del fra04490
del fra04491
del fra04492
del fra04493
del fra04494
del fra04495
del fra04496
del fra04497
del fra04498
del fra04499
del fra04500
del fra04501
del fra04502
del fra04503
del fra04504
del fra04505
del fra04506
del fra04507
del fra04508
del fra04509
del fra04510
del fra04511
del fra04512
del fra04513
del fra04514
del fra04515
del fra04516
del fra04517
del fra04518
del fra04519
del fra04520
del fra04521
del fra04522
del fra04523
del fra04524
del fra04525
del fra04526
del fra04527
del fra04528
del fra04529
del fra04530
del fra04531
del fra04532
del fra04533
del fra04534
del fra04535
del fra04536
del fra04537
del fra04538
del fra04539
del fra04540
del fra04541
del fra04542
del fra04543
del fra04544
del fra04545
del fra04546
del fra04547
del fra04548
del fra04549
del fra04550
del fra04551
del fra04552
del fra04553
del fra04554
del fra04555
del fra04556
del fra04557
del fra04558
del fra04559
del fra04560
del fra04561
del fra04562
del fra04563
del fra04564
del fra04565
del fra04566
del fra04567
del fra04568
del fra04569
del fra04570
del fra04571
del fra04572
del fra04573
del fra04574
del fra04575
del fra04576
del fra04577
del fra04578
del fra04579
del fra04580
del fra04581
del fra04582
del fra04583
del fra04584
del fra04585
del fra04586
del fra04587
del fra04588
del fra04589
del fra04590
del fra04591
del fra04592
del fra04593
del fra04594
del fra04595
del fra04596
del fra04597
del fra04598
del fra04599
del fra04600
del fra04601
del fra04602
del fra04603
del fra04604
del fra04605
del fra04606
del fra04607
del fra04608
del fra04609
del fra04610
del fra04611
del fra04612
del fra04613
del fra04614
del fra04615
del fra04616
del fra04617
del fra04618
del fra04619
del fra04620
del fra04621
del fra04622
del fra04623
del fra04624
del fra04625
del fra04626
del fra04627
del fra04628
del fra04629
del fra04630
del fra04631
del fra04632
del fra04633
del fra04634
del fra04635
del fra04636
del fra04637
del fra04638
del fra04639
del fra04640
del fra04641
del fra04642
del fra04643
del fra04644
del fra04645
del fra04646
del fra04647
del fra04648
del fra04649
del fra04650
del fra04651
del fra04652
del fra04653
del fra04654
del fra04655
del fra04656
del fra04657
del fra04658
del fra04659
del fra04660
del fra04661
del fra04662
del fra04663
del fra04664
del fra04665
del fra04666
del fra04667
del fra04668
del fra04669
del fra04670
del fra04671
del fra04672
del fra04673
del fra04674
del fra04675
del fra04676
del fra04677
del fra04678
del fra04679
del fra04680
del fra04681
del fra04682
del fra04683
del fra04684
del fra04685
del fra04686
del fra04687
del fra04688
del fra04689
del fra04690
del fra04691
del fra04692
del fra04693
del fra04694
del fra04695
del fra04696
del fra04697
del fra04698
del fra04699
del fra04700
del fra04701
del fra04702
del fra04703
del fra04704
del fra04705
del fra04706
del fra04707
del fra04708
del fra04709
del fra04710
del fra04711
del fra04712
del fra04713
del fra04714
del fra04715
del fra04716
del fra04717
del fra04718
del fra04719
del fra04720
del fra04721
del fra04722
del fra04723
del fra04724
del fra04725
del fra04726
del fra04727
del fra04728
del fra04729
del fra04730
del fra04731
del fra04732
del fra04733
del fra04734
del fra04735
del fra04736
del fra04737
del fra04738
del fra04739
del fra04740
del fra04741
del fra04742
del fra04743
del fra04744
del fra04745
del fra04746
del fra04747
del fra04748
del fra04749
del fra04750
del fra04751
del fra04752
del fra04753
del fra04754
del fra04755
del fra04756
del fra04757
del fra04758
del fra04759
del fra04760
del fra04761
del fra04762
del fra04763
del fra04764
del fra04765
del fra04766
del fra04767
del fra04768
del fra04769
del fra04770
del fra04771
del fra04772
del fra04773
del fra04774
del fra04775
del fra04776
del fra04777
del fra04778
del fra04779
del fra04780
del fra04781
del fra04782
del fra04783
del fra04784
del fra04785
del fra04786
del fra04787
del fra04788
del fra04789
del fra04790
del fra04791
del fra04792
del fra04793
del fra04794
del fra04795
del fra04796
del fra04797
del fra04798
del fra04799
del fra04800
del fra04801
del fra04802
del fra04803
del fra04804
del fra04805
del fra04806
del fra04807
del fra04808
del fra04809
del fra04810
del fra04811
del fra04812
del fra04813
del fra04814
del fra04815
del fra04816
del fra04817
del fra04818
del fra04819
del fra04820
del fra04821
del fra04822
del fra04823
del fra04824
del fra04825
del fra04826
del fra04827
del fra04828
del fra04829
del fra04830
del fra04831
del fra04832
del fra04833
del fra04834
del fra04835
del fra04836
del fra04837
del fra04838
del fra04839
del fra04840
del fra04841
del fra04842
del fra04843
del fra04844
del fra04845
del fra04846
del fra04847
del fra04848
del fra04849
del fra04850
del fra04851
del fra04852
del fra04853
del fra04854
del fra04855
del fra04856
del fra04857
del fra04858
del fra04859
del fra04860
del fra04861
del fra04862
del fra04863
del fra04864
del fra04865
del fra04866
del fra04867
del fra04868
del fra04869
del fra04870
del fra04871
del fra04872
del fra04873
del fra04874
del fra04875
del fra04876
del fra04877
del fra04878
del fra04879
del fra04880
del fra04881
del fra04882
del fra04883
del fra04884
del fra04885
del fra04886
del fra04887
del fra04888
del fra04889
del fra04890
del fra04891
del fra04892
del fra04893
del fra04894
del fra04895
del fra04896
del fra04897
del fra04898
del fra04899
del fra04900
del fra04901
del fra04902
del fra04903
del fra04904
del fra04905
del fra04906
del fra04907
del fra04908
del fra04909
del fra04910
del fra04911
del fra04912
del fra04913
del fra04914
del fra04915
del fra04916
del fra04917
del fra04918
del fra04919
del fra04920
del fra04921
del fra04922
del fra04923
del fra04924
del fra04925
del fra04926
del fra04927
del fra04928
del fra04929
del fra04930
del fra04931
del fra04932
del fra04933
del fra04934
del fra04935
del fra04936
del fra04937
del fra04938
del fra04939
del fra04940
del fra04941
del fra04942
del fra04943
del fra04944
del fra04945
del fra04946
del fra04947
del fra04948
del fra04949
del fra04950
del fra04951
del fra04952
del fra04953
del fra04954
del fra04955
del fra04956
del fra04957
del fra04958
del fra04959
del fra04960
del fra04961
del fra04962
del fra04963
del fra04964
del fra04965
del fra04966
del fra04967
del fra04968
del fra04969
del fra04970
del fra04971
del fra04972
del fra04973
del fra04974
del fra04975
del fra04976
del fra04977
del fra04978
del fra04979
del fra04980
del fra04981
del fra04982
del fra04983
del fra04984
del fra04985
del fra04986
del fra04987
del fra04988
del fra04989
del fra04990
del fra04991
del fra04992
del fra04993
del fra04994
del fra04995
del fra04996
del fra04997
del fra04998
del fra04999
del fra05000
del fra05001
del fra05002
del fra05003
del fra05004
del fra05005
del fra05006
del fra05007
del fra05008
del fra05009
del fra05010
del fra05011
del fra05012
del fra05013
del fra05014
del fra05015
del fra05016
del fra05017
del fra05018
del fra05019
del fra05020
del fra05021
del fra05022
del fra05023
del fra05024
del fra05025
del fra05026
del fra05027
del fra05028
del fra05029
del fra05030
del fra05031
del fra05032
del fra05033
del fra05034
del fra05035
del fra05036
del fra05037
del fra05038
del fra05039
del fra05040
del fra05041
del fra05042
del fra05043
del fra05044
del fra05045
del fra05046
del fra05047
del fra05048
del fra05049
del fra05050
del fra05051
del fra05052
del fra05053
del fra05054
del fra05055
del fra05056
del fra05057
del fra05058
del fra05059
del fra05060
del fra05061
del fra05062
del fra05063
del fra05064
del fra05065
del fra05066
del fra05067
del fra05068
del fra05069
del fra05070
del fra05071
del fra05072
del fra05073
del fra05074
del fra05075
del fra05076
del fra05077
del fra05078
del fra05079
del fra05080
del fra05081
del fra05082
del fra05083
del fra05084
del fra05085
del fra05086
del fra05087
del fra05088
del fra05089
del fra05090
del fra05091
del fra05092
del fra05093
del fra05094
del fra05095
del fra05096
del fra05097
del fra05098
del fra05099
del fra05100
del fra05101
del fra05102
del fra05103
del fra05104
del fra05105
del fra05106
del fra05107
del fra05108
del fra05109
del fra05110
del fra05111
del fra05112
del fra05113
del fra05114
del fra05115
del fra05116
del fra05117
del fra05118
del fra05119
del fra05120
del fra05121
del fra05122
del fra05123
del fra05124
del fra05125
del fra05126
del fra05127
del fra05128
del fra05129
del fra05130
del fra05131
del fra05132
del fra05133
del fra05134
del fra05135
del fra05136
del fra05137
del fra05138
del fra05139
del fra05140
del fra05141
del fra05142
del fra05143
del fra05144
del fra05145
del fra05146
del fra05147
del fra05148
del fra05149
del fra05150
del fra05151
del fra05152
del fra05153
del fra05154
del fra05155
del fra05156
del fra05157
del fra05158
del fra05159
del fra05160
del fra05161
del fra05162
del fra05163
del fra05164
del fra05165
del fra05166
del fra05167
del fra05168
del fra05169
del fra05170
del fra05171
del fra05172
del fra05173
del fra05174
del fra05175
del fra05176
del fra05177
del fra05178
del fra05179
del fra05180
del fra05181
del fra05182
del fra05183
del fra05184
del fra05185
del fra05186
del fra05187
del fra05188
del fra05189
del fra05190
del fra05191
del fra05192
del fra05193
del fra05194
del fra05195
del fra05196
del fra05197
del fra05198
del fra05199
del fra05200
del fra05201
del fra05202
del fra05203
del fra05204
del fra05205
del fra05206
del fra05207
del fra05208
del fra05209
del fra05210
del fra05211
del fra05212
del fra05213
del fra05214
del fra05215
del fra05216
del fra05217
del fra05218
del fra05219
del fra05220
del fra05221
del fra05222
del fra05223
del fra05224
del fra05225
del fra05226
del fra05227
del fra05228
del fra05229
del fra05230
del fra05231
del fra05232
del fra05233
del fra05234
del fra05235
del fra05236
del fra05237
del fra05238
del fra05239
del fra05240
del fra05241
del fra05242
del fra05243
del fra05244
del fra05245
del fra05246
del fra05247
del fra05248
del fra05249
del fra05250
del fra05251
del fra05252
del fra05253
del fra05254
del fra05255
del fra05256
del fra05257
del fra05258
del fra05259
del fra05260
del fra05261
del fra05262
del fra05263
del fra05264
del fra05265
del fra05266
del fra05267
del fra05268
del fra05269
del fra05270
del fra05271
del fra05272
del fra05273
del fra05274
del fra05275
del fra05276
del fra05277
del fra05278
del fra05279
del fra05280
del fra05281
del fra05282
del fra05283
del fra05284
del fra05285
del fra05286
del fra05287
del fra05288
del fra05289
del fra05290
del fra05291
del fra05292
del fra05293
del fra05294
del fra05295
del fra05296
del fra05297
del fra05298
del fra05299
del fra05300
del fra05301
del fra05302
del fra05303
del fra05304
del fra05305
del fra05306
del fra05307
del fra05308
del fra05309
del fra05310
del fra05311
del fra05312
del fra05313
del fra05314
del fra05315
del fra05316
del fra05317
del fra05318
del fra05319
del fra05320
del fra05321
del fra05322
del fra05323
del fra05324
del fra05325
del fra05326
del fra05327
del fra05328
del fra05329
del fra05330
del fra05331
del fra05332
del fra05333
del fra05334
del fra05335
del fra05336
del fra05337
del fra05338
del fra05339
del fra05340
del fra05341
del fra05342
del fra05343
del fra05344
del fra05345
del fra05346
del fra05347
del fra05348
del fra05349
del fra05350
del fra05351
del fra05352
del fra05353
del fra05354
del fra05355
del fra05356
del fra05357
del fra05358
del fra05359
del fra05360
del fra05361
del fra05362
del fra05363
del fra05364
del fra05365
del fra05366
del fra05367
del fra05368
del fra05369
del fra05370
del fra05371
del fra05372
del fra05373
del fra05374
del fra05375
del fra05376
del fra05377
del fra05378
del fra05379
del fra05380
del fra05381
del fra05382
del fra05383
del fra05384
del fra05385
del fra05386
del fra05387
del fra05388
del fra05389
del fra05390
del fra05391
del fra05392
del fra05393
del fra05394
del fra05395
del fra05396
del fra05397
del fra05398
del fra05399
del fra05400
del fra05401
del fra05402
del fra05403
del fra05404
del fra05405
del fra05406
del fra05407
del fra05408
del fra05409
del fra05410
del fra05411
del fra05412
del fra05413
del fra05414
del fra05415
del fra05416
del fra05417
del fra05418
del fra05419
del fra05420
del fra05421
del fra05422
del fra05423
del fra05424
del fra05425
del fra05426
del fra05427
del fra05428
del fra05429
del fra05430
del fra05431
del fra05432
del fra05433
del fra05434
del fra05435
del fra05436
del fra05437
del fra05438
del fra05439
del fra05440
del fra05441
del fra05442
del fra05443
del fra05444
del fra05445
del fra05446
del fra05447
del fra05448
del fra05449
del fra05450
del fra05451
del fra05452
del fra05453
del fra05454
del fra05455
del fra05456
del fra05457
del fra05458
del fra05459
del fra05460
del fra05461
del fra05462
del fra05463
del fra05464
del fra05465
del fra05466
del fra05467
del fra05468
del fra05469
del fra05470
del fra05471
del fra05472
del fra05473
del fra05474
del fra05475
del fra05476
del fra05477
del fra05478
del fra05479
del fra05480
del fra05481
del fra05482
del fra05483
del fra05484
del fra05485
del fra05486
del fra05487
del fra05488
del fra05489
del fra05490
del fra05491
del fra05492
del fra05493
del fra05494
del fra05495
del fra05496
del fra05497
del fra05498
del fra05499
del fra05500
del fra05501
del fra05502
del fra05503
del fra05504
del fra05505
del fra05506
del fra05507
del fra05508
del fra05509
del fra05510
del fra05511
del fra05512
del fra05513
del fra05514
del fra05515
del fra05516
del fra05517
del fra05518
del fra05519
del fra05520
del fra05521
del fra05522
del fra05523
del fra05524
del fra05525
del fra05526
del fra05527
del fra05528
del fra05529
del fra05530
del fra05531
del fra05532
del fra05533
del fra05534
del fra05535
del fra05536
del fra05537
del fra05538
del fra05539
del fra05540
del fra05541
del fra05542
del fra05543
del fra05544
del fra05545
del fra05546
del fra05547
del fra05548
del fra05549
del fra05550
del fra05551
del fra05552
del fra05553
del fra05554
del fra05555
del fra05556
del fra05557
del fra05558
del fra05559
del fra05560
del fra05561
del fra05562
del fra05563
del fra05564
del fra05565
del fra05566
del fra05567
del fra05568
del fra05569
del fra05570
del fra05571
del fra05572
del fra05573
del fra05574
del fra05575
del fra05576
del fra05577
del fra05578
del fra05579
del fra05580
del fra05581
del fra05582
del fra05583
del fra05584
del fra05585
del fra05586
del fra05587
del fra05588
del fra05589
del fra05590
del fra05591
del fra05592
del fra05593
del fra05594
del fra05595
del fra05596
del fra05597
del fra05598
del fra05599
del fra05600
del fra05601
del fra05602
del fra05603
del fra05604
del fra05605
del fra05606
del fra05607
del fra05608
del fra05609
del fra05610
del fra05611
del fra05612
del fra05613
del fra05614
del fra05615
del fra05616
del fra05617
del fra05618
del fra05619
del fra05620
del fra05621
del fra05622
del fra05623
del fra05624
del fra05625
del fra05626
del fra05627
del fra05628
del fra05629
del fra05630
del fra05631
del fra05632
del fra05633
del fra05634
del fra05635
del fra05636
del fra05637
del fra05638
del fra05639
del fra05640
del fra05641
del fra05642
del fra05643
del fra05644
del fra05645
del fra05646
del fra05647
del fra05648
del fra05649
del fra05650
del fra05651
del fra05652
del fra05653
del fra05654
del fra05655
del fra05656
del fra05657
del fra05658
del fra05659
del fra05660
del fra05661
del fra05662
del fra05663
del fra05664
del fra05665
del fra05666
del fra05667
del fra05668
del fra05669
del fra05670
del fra05671
del fra05672
del fra05673
del fra05674
del fra05675
del fra05676
del fra05677
del fra05678
del fra05679
del fra05680
del fra05681
del fra05682
del fra05683
del fra05684
del fra05685
del fra05686
del fra05687
del fra05688
del fra05689
del fra05690
del fra05691
del fra05692
del fra05693
del fra05694
del fra05695
del fra05696
del fra05697
del fra05698
del fra05699
del fra05700
del fra05701
del fra05702
del fra05703
del fra05704
del fra05705
del fra05706
del fra05707
del fra05708
del fra05709
del fra05710
del fra05711
del fra05712
del fra05713
del fra05714
del fra05715
del fra05716
del fra05717
del fra05718
del fra05719
del fra05720
del fra05721
del fra05722
del fra05723
del fra05724
del fra05725
del fra05726
del fra05727
del fra05728
del fra05729
del fra05730
del fra05731
del fra05732
del fra05733
del fra05734
del fra05735
del fra05736
del fra05737
del fra05738
del fra05739
del fra05740
del fra05741
del fra05742
del fra05743
del fra05744
del fra05745
del fra05746
del fra05747
del fra05748
del fra05749
del fra05750
del fra05751
del fra05752
del fra05753
del fra05754
del fra05755
del fra05756
del fra05757
del fra05758
del fra05759
del fra05760
del fra05761
del fra05762
del fra05763
del fra05764
del fra05765
del fra05766
del fra05767
del fra05768
del fra05769
del fra05770
del fra05771
del fra05772
del fra05773
del fra05774
del fra05775
del fra05776
del fra05777
del fra05778
del fra05779
del fra05780
del fra05781
del fra05782
del fra05783
del fra05784
del fra05785
del fra05786
del fra05787
del fra05788
del fra05789
del fra05790
del fra05791
del fra05792
del fra05793
del fra05794
del fra05795
del fra05796
del fra05797
del fra05798
del fra05799
del fra05800
del fra05801
del fra05802
del fra05803
del fra05804
del fra05805
del fra05806
del fra05807
del fra05808
del fra05809
del fra05810
del fra05811
del fra05812
del fra05813
del fra05814
del fra05815
del fra05816
del fra05817
del fra05818
del fra05819
del fra05820
del fra05821
del fra05822
del fra05823
del fra05824
del fra05825
del fra05826
del fra05827
del fra05828
del fra05829
del fra05830
del fra05831
del fra05832
del fra05833
del fra05834
del fra05835
del fra05836
del fra05837
del fra05838
del fra05839
del fra05840
del fra05841
del fra05842
del fra05843
del fra05844
del fra05845
del fra05846
del fra05847
del fra05848
del fra05849
del fra05850
del fra05851
del fra05852
del fra05853
del fra05854
del fra05855
del fra05856
del fra05857
del fra05858
del fra05859
del fra05860
del fra05861
del fra05862
del fra05863
del fra05864
del fra05865
del fra05866
del fra05867
del fra05868
del fra05869
del fra05870
del fra05871
del fra05872
del fra05873
del fra05874
del fra05875
del fra05876
del fra05877
del fra05878
del fra05879
del fra05880
del fra05881
del fra05882
del fra05883
del fra05884
del fra05885
del fra05886
del fra05887
del fra05888
del fra05889
del fra05890
del fra05891
del fra05892
del fra05893
del fra05894
del fra05895
del fra05896
del fra05897
del fra05898
del fra05899
del fra05900
del fra05901
del fra05902
del fra05903
del fra05904
del fra05905
del fra05906
del fra05907
del fra05908
del fra05909
del fra05910
del fra05911
del fra05912
del fra05913
del fra05914
del fra05915
del fra05916
del fra05917
del fra05918
del fra05919
del fra05920
del fra05921
del fra05922
del fra05923
del fra05924
del fra05925
del fra05926
del fra05927
del fra05928
del fra05929
del fra05930
del fra05931
del fra05932
del fra05933
del fra05934
del fra05935
del fra05936
del fra05937
del fra05938
del fra05939
del fra05940
del fra05941
del fra05942
del fra05943
del fra05944
del fra05945
del fra05946
del fra05947
del fra05948
del fra05949
del fra05950
del fra05951
del fra05952
del fra05953
del fra05954
del fra05955
del fra05956
del fra05957
del fra05958
del fra05959
del fra05960
del fra05961
del fra05962
del fra05963
del fra05964
del fra05965
del fra05966
del fra05967
del fra05968
del fra05969
del fra05970
del fra05971
del fra05972
del fra05973
del fra05974
del fra05975
del fra05976
del fra05977
del fra05978
del fra05979
del fra05980
del fra05981
del fra05982
del fra05983
del fra05984
del fra05985
del fra05986
del fra05987
del fra05988
del fra05989
del fra05990
del fra05991
del fra05992
del fra05993
del fra05994
del fra05995
del fra05996
del fra05997
del fra05998
del fra05999
del fra06000
del fra06001
del fra06002
del fra06003
del fra06004
del fra06005
del fra06006
del fra06007
del fra06008
del fra06009
del fra06010
del fra06011
del fra06012
del fra06013
del fra06014
del fra06015
del fra06016
del fra06017
del fra06018
del fra06019
del fra06020
del fra06021
del fra06022
del fra06023
del fra06024
del fra06025
del fra06026
del fra06027
del fra06028
del fra06029
del fra06030
del fra06031
del fra06032
del fra06033
del fra06034
del fra06035
del fra06036
del fra06037
del fra06038
del fra06039
del fra06040
del fra06041
del fra06042
del fra06043
del fra06044
del fra06045
del fra06046
del fra06047
del fra06048
del fra06049
del fra06050
del fra06051
del fra06052
del fra06053
del fra06054
del fra06055
del fra06056
del fra06057
del fra06058
del fra06059
del fra06060
del fra06061
del fra06062
del fra06063
del fra06064
del fra06065
del fra06066
del fra06067
del fra06068
del fra06069
del fra06070
del fra06071
del fra06072
del fra06073
del fra06074
del fra06075
del fra06076
del fra06077
del fra06078
del fra06079
del fra06080
del fra06081
del fra06082
del fra06083
del fra06084
del fra06085
del fra06086
del fra06087
del fra06088
del fra06089
del fra06090
del fra06091
del fra06092
del fra06093
del fra06094
del fra06095
del fra06096
del fra06097
del fra06098
del fra06099
del fra06100
del fra06101
del fra06102
del fra06103
del fra06104
del fra06105
del fra06106
del fra06107
del fra06108
del fra06109
del fra06110
del fra06111
del fra06112
del fra06113
del fra06114
del fra06115
del fra06116
del fra06117
del fra06118
del fra06119
del fra06120
del fra06121
del fra06122
del fra06123
del fra06124
del fra06125
del fra06126
del fra06127
del fra06128
del fra06129
del fra06130
del fra06131
del fra06132
del fra06133
del fra06134
del fra06135
del fra06136
del fra06137
del fra06138
del fra06139
del fra06140
del fra06141
del fra06142
del fra06143
del fra06144
del fra06145
del fra06146
del fra06147
del fra06148
del fra06149
del fra06150
del fra06151
del fra06152
del fra06153
del fra06154
del fra06155
del fra06156
del fra06157
del fra06158
del fra06159
del fra06160
del fra06161
del fra06162
del fra06163
del fra06164
del fra06165
del fra06166
del fra06167
del fra06168
del fra06169
del fra06170
del fra06171
del fra06172
del fra06173
del fra06174
del fra06175
del fra06176
del fra06177
del fra06178
del fra06179
del fra06180
del fra06181
del fra06182
del fra06183
del fra06184
del fra06185
del fra06186
del fra06187
del fra06188
del fra06189
del fra06190
del fra06191
del fra06192
del fra06193
del fra06194
del fra06195
del fra06196
del fra06197
del fra06198
del fra06199
del fra06200
del fra06201
del fra06202
del fra06203
del fra06204
del fra06205
del fra06206
del fra06207
del fra06208
del fra06209
del fra06210
del fra06211
del fra06212
del fra06213
del fra06214
del fra06215
del fra06216
del fra06217
del fra06218
del fra06219
del fra06220
del fra06221
del fra06222
del fra06223
del fra06224
del fra06225
del fra06226
del fra06227
del fra06228
del fra06229
del fra06230
del fra06231
del fra06232
del fra06233
del fra06234
del fra06235
del fra06236
del fra06237
del fra06238
del fra06239
del fra06240
del fra06241
del fra06242
del fra06243
del fra06244
del fra06245
del fra06246
del fra06247
del fra06248
del fra06249
del fra06250
del fra06251
del fra06252
del fra06253
del fra06254
del fra06255
del fra06256
del fra06257
del fra06258
del fra06259
del fra06260
del fra06261
del fra06262
del fra06263
del fra06264
del fra06265
del fra06266
del fra06267
del fra06268
del fra06269
del fra06270
del fra06271
del fra06272
del fra06273
del fra06274
del fra06275
del fra06276
del fra06277
del fra06278
del fra06279
del fra06280
del fra06281
del fra06282
del fra06283
del fra06284
del fra06285
del fra06286
del fra06287
del fra06288
del fra06289
del fra06290
del fra06291
del fra06292
del fra06293
del fra06294
del fra06295
del fra06296
del fra06297
del fra06298
del fra06299
del fra06300
del fra06301
del fra06302
del fra06303
del fra06304
del fra06305
del fra06306
del fra06307
del fra06308
del fra06309
del fra06310
del fra06311
del fra06312
del fra06313
del fra06314
del fra06315
del fra06316
del fra06317
del fra06318
del fra06319
del fra06320
del fra06321
del fra06322
del fra06323
del fra06324
del fra06325
del fra06326
del fra06327
del fra06328
del fra06329
del fra06330
del fra06331
del fra06332
del fra06333
del fra06334
del fra06335
del fra06336
del fra06337
del fra06338
del fra06339
del fra06340
del fra06341
del fra06342
del fra06343
del fra06344
del fra06345
del fra06346
del fra06347
del fra06348
del fra06349
del fra06350
del fra06351
del fra06352
del fra06353
del fra06354
del fra06355
del fra06356
del fra06357
del fra06358
del fra06359
del fra06360
del fra06361
del fra06362
del fra06363
del fra06364
del fra06365
del fra06366
del fra06367
del fra06368
del fra06369
del fra06370
del fra06371
del fra06372
del fra06373
del fra06374
del fra06375
del fra06376
del fra06377
del fra06378
del fra06379
del fra06380
del fra06381
del fra06382
del fra06383
del fra06384
del fra06385
del fra06386
del fra06387
del fra06388
del fra06389
del fra06390
del fra06391
del fra06392
del fra06393
del fra06394
del fra06395
del fra06396
del fra06397
del fra06398
del fra06399
del fra06400
del fra06401
del fra06402
del fra06403
del fra06404
del fra06405
del fra06406
del fra06407
del fra06408
del fra06409
del fra06410
del fra06411
del fra06412
del fra06413
del fra06414
del fra06415
del fra06416
del fra06417
del fra06418
del fra06419
del fra06420
del fra06421
del fra06422
del fra06423
del fra06424
del fra06425
del fra06426
del fra06427
del fra06428
del fra06429
del fra06430
del fra06431
del fra06432
del fra06433
del fra06434
del fra06435
del fra06436
del fra06437
del fra06438
del fra06439
del fra06440
del fra06441
del fra06442
del fra06443
del fra06444
del fra06445
del fra06446
del fra06447
del fra06448
del fra06449
del fra06450
del fra06451
del fra06452
del fra06453
del fra06454
del fra06455
del fra06456
del fra06457
del fra06458
del fra06459
del fra06460
del fra06461
del fra06462
del fra06463
del fra06464
del fra06465
del fra06466
del fra06467
del fra06468
del fra06469
del fra06470
del fra06471
del fra06472
del fra06473
del fra06474
del fra06475
del fra06476
del fra06477
del fra06478
del fra06479
del fra06480
del fra06481
del fra06482
del fra06483
del fra06484
del fra06485
del fra06486
del fra06487
del fra06488
del fra06489
del fra06490
del fra06491
del fra06492
del fra06493
del fra06494
del fra06495
del fra06496
del fra06497
del fra06498
del fra06499
del fra06500
del fra06501
del fra06502
del fra06503
del fra06504
del fra06505
del fra06506
del fra06507
del fra06508
del fra06509
del fra06510
del fra06511
del fra06512
del fra06513
del fra06514
del fra06515
del fra06516
del fra06517
del fra06518
del fra06519
del fra06520
del fra06521
del fra06522
del fra06523
del fra06524
del fra06525
del fra06526
del fra06527
del fra06528
del fra06529
del fra06530
del fra06531
del fra06532
del fra06533
del fra06534
del fra06535
del fra06536
del fra06537
del fra06538
del fra06539
del fra06540
del fra06541
del fra06542
del fra06543
del fra06544
del fra06545
del fra06546
del fra06547
del fra06548
del fra06549
del fra06550
del fra06551
del fra06552
del fra06553
del fra06554
del fra06555
del fra06556
del fra06557
del fra06558
del fra06559
del fra06560
del fra06561
del fra06562
del fra06563
del fra06564
del fra06565
del fra06566
del fra06567
del fra06568
del fra06569
del fra06570
del fra06571
del fra06572
del fra06573
del fra06574
del fra06575
del fra06576
del fra06577
del fra06578
del fra06579
del fra06580
del fra06581
del fra06582
del fra06583
del fra06584
del fra06585
del fra06586
del fra06587
del fra06588
del fra06589
del fra06590
del fra06591
del fra06592
del fra06593
del fra06594
del fra06595
del fra06596
del fra06597
del fra06598
del fra06599
del fra06600
del fra06601
del fra06602
del fra06603
del fra06604
del fra06605
del fra06606
del fra06607
del fra06608
del fra06609
del fra06610
del fra06611
del fra06612
del fra06613
del fra06614
del fra06615
del fra06616
del fra06617
del fra06618
del fra06619
del fra06620
del fra06621
del fra06622
del fra06623
del fra06624
del fra06625
del fra06626
del fra06627
del fra06628
del fra06629
del fra06630
del fra06631
del fra06632
del fra06633
del fra06634
del fra06635
del fra06636
del fra06637
del fra06638
del fra06639
del fra06640
del fra06641
del fra06642
del fra06643
del fra06644
del fra06645
del fra06646
del fra06647
del fra06648
del fra06649
del fra06650
del fra06651
del fra06652
del fra06653
del fra06654
del fra06655
del fra06656
del fra06657
del fra06658
del fra06659
del fra06660
del fra06661
del fra06662
del fra06663
del fra06664
del fra06665
del fra06666
del fra06667
del fra06668
del fra06669
del fra06670
del fra06671
del fra06672
del fra06673
del fra06674
del fra06675
del fra06676
del fra06677
del fra06678
del fra06679
del fra06680
del fra06681
del fra06682
del fra06683
del fra06684
del fra06685
del fra06686
del fra06687
del fra06688
del fra06689
del fra06690
del fra06691
del fra06692
del fra06693
del fra06694
del fra06695
del fra06696
del fra06697
del fra06698
del fra06699
del fra06700
del fra06701
del fra06702
del fra06703
del fra06704
del fra06705
del fra06706
del fra06707
del fra06708
del fra06709
del fra06710
del fra06711
del fra06712
del fra06713
del fra06714
del fra06715
del fra06716
del fra06717
del fra06718
del fra06719
del fra06720
del fra06721
del fra06722
del fra06723
del fra06724
del fra06725
del fra06726
del fra06727
del fra06728
del fra06729
del fra06730
del fra06731
del fra06732
del fra06733
del fra06734
del fra06735
del fra06736
del fra06737
del fra06738
del fra06739
del fra06740
del fra06741
del fra06742
del fra06743
del fra06744
del fra06745
del fra06746
del fra06747
del fra06748
del fra06749
del fra06750
del fra06751
del fra06752
del fra06753
del fra06754
del fra06755
del fra06756
del fra06757
del fra06758
del fra06759
del fra06760
del fra06761
del fra06762
del fra06763
del fra06764
del fra06765
del fra06766
del fra06767
del fra06768
del fra06769
del fra06770
del fra06771
del fra06772
del fra06773
del fra06774
del fra06775
del fra06776
del fra06777
del fra06778
del fra06779
del fra06780
del fra06781
del fra06782
del fra06783
del fra06784
del fra06785
del fra06786
del fra06787
del fra06788
del fra06789
del fra06790
del fra06791
del fra06792
del fra06793
del fra06794
del fra06795
del fra06796
del fra06797
del fra06798
del fra06799
del fra06800
del fra06801
del fra06802
del fra06803
del fra06804
del fra06805
del fra06806
del fra06807
del fra06808
del fra06809
del fra06810
del fra06811
del fra06812
del fra06813
del fra06814
del fra06815
del fra06816
del fra06817
del fra06818
del fra06819
del fra06820
del fra06821
del fra06822
del fra06823
del fra06824
del fra06825
del fra06826
del fra06827
del fra06828
del fra06829
del fra06830
del fra06831
del fra06832
del fra06833
del fra06834
del fra06835
del fra06836
del fra06837
del fra06838
del fra06839
del fra06840
del fra06841
del fra06842
del fra06843
del fra06844
del fra06845
del fra06846
del fra06847
del fra06848
del fra06849
del fra06850
del fra06851
del fra06852
del fra06853
del fra06854
del fra06855
del fra06856
del fra06857
del fra06858
del fra06859
del fra06860
del fra06861
del fra06862
del fra06863
del fra06864
del fra06865
del fra06866
del fra06867
del fra06868
del fra06869
del fra06870
del fra06871
del fra06872
del fra06873
del fra06874
del fra06875
del fra06876
del fra06877
del fra06878
del fra06879
del fra06880
del fra06881
del fra06882
del fra06883
del fra06884
del fra06885
del fra06886
del fra06887
del fra06888
del fra06889
del fra06890
del fra06891
del fra06892
del fra06893
del fra06894
del fra06895
del fra06896
del fra06897
del fra06898
del fra06899
del fra06900
del fra06901
del fra06902
del fra06903
del fra06904
del fra06905
del fra06906
del fra06907
del fra06908
del fra06909
del fra06910
del fra06911
del fra06912
del fra06913
del fra06914
del fra06915
del fra06916
del fra06917
del fra06918
del fra06919
del fra06920
del fra06921
del fra06922
del fra06923
del fra06924
del fra06925
del fra06926
del fra06927
del fra06928
del fra06929
del fra06930
del fra06931
del fra06932
del fra06933
del fra06934
del fra06935
del fra06936
del fra06937
del fra06938
del fra06939
del fra06940
del fra06941
del fra06942
del fra06943
del fra06944
del fra06945
del fra06946
del fra06947
del fra06948
del fra06949
del fra06950
del fra06951
del fra06952
del fra06953
del fra06954
del fra06955
del fra06956
del fra06957
del fra06958
del fra06959
del fra06960
del fra06961
del fra06962
del fra06963
del fra06964
del fra06965
del fra06966
del fra06967
del fra06968
del fra06969
del fra06970
del fra06971
del fra06972
del fra06973
del fra06974
del fra06975
del fra06976
del fra06977
del fra06978
del fra06979
del fra06980
del fra06981
del fra06982
del fra06983
del fra06984
del fra06985
del fra06986
del fra06987
del fra06988
del fra06989
del fra06990
del fra06991
del fra06992
del fra06993
del fra06994
del fra06995
del fra06996
del fra06997
del fra06998
del fra06999
del fra07000
del fra07001
del fra07002
del fra07003
del fra07004
del fra07005
del fra07006
del fra07007
del fra07008
del fra07009
del fra07010
del fra07011
del fra07012
del fra07013
del fra07014
del fra07015
del fra07016
del fra07017
del fra07018
del fra07019
del fra07020
del fra07021
del fra07022
del fra07023
del fra07024
del fra07025
del fra07026
del fra07027
del fra07028
del fra07029
del fra07030
del fra07031
del fra07032
del fra07033
del fra07034
del fra07035
del fra07036
del fra07037
del fra07038
del fra07039
del fra07040
del fra07041
del fra07042
del fra07043
del fra07044
del fra07045
del fra07046
del fra07047
del fra07048
del fra07049
del fra07050
del fra07051
del fra07052
del fra07053
del fra07054
del fra07055
del fra07056
del fra07057
del fra07058
del fra07059
del fra07060
del fra07061
del fra07062
del fra07063
del fra07064
del fra07065
del fra07066
del fra07067
del fra07068
del fra07069
del fra07070
del fra07071
del fra07072
del fra07073
del fra07074
del fra07075
del fra07076
del fra07077
del fra07078
del fra07079
del fra07080
del fra07081
del fra07082
del fra07083
del fra07084
del fra07085
del fra07086
del fra07087
del fra07088
del fra07089
del fra07090
del fra07091
del fra07092
del fra07093
del fra07094
del fra07095
del fra07096
del fra07097
del fra07098
del fra07099
del fra07100
del fra07101
del fra07102
del fra07103
del fra07104
del fra07105
del fra07106
del fra07107
del fra07108
del fra07109
del fra07110
del fra07111
del fra07112
del fra07113
del fra07114
del fra07115
del fra07116
del fra07117
del fra07118
del fra07119
del fra07120
del fra07121
del fra07122
del fra07123
del fra07124
del fra07125
del fra07126
del fra07127
del fra07128
del fra07129
del fra07130
del fra07131
del fra07132
del fra07133
del fra07134
del fra07135
del fra07136
del fra07137
del fra07138
del fra07139
del fra07140
del fra07141
del fra07142
del fra07143
del fra07144
del fra07145
del fra07146
del fra07147
del fra07148
del fra07149
del fra07150
del fra07151
del fra07152
del fra07153
del fra07154
del fra07155
del fra07156
del fra07157
del fra07158
del fra07159
del fra07160
del fra07161
del fra07162
del fra07163
del fra07164
del fra07165
del fra07166
del fra07167
del fra07168
del fra07169
del fra07170
del fra07171
del fra07172
del fra07173
del fra07174
del fra07175
del fra07176
del fra07177
del fra07178
del fra07179
del fra07180
del fra07181
del fra07182
del fra07183
del fra07184
del fra07185
del fra07186
del fra07187
del fra07188
del fra07189
del fra07190
del fra07191
del fra07192
del fra07193
del fra07194
del fra07195
del fra07196
del fra07197
del fra07198
del fra07199
del fra07200
del fra07201
del fra07202
del fra07203
del fra07204
del fra07205
del fra07206
del fra07207
del fra07208
del fra07209
del fra07210
del fra07211
del fra07212
del fra07213
del fra07214
del fra07215
del fra07216
del fra07217
del fra07218
del fra07219
del fra07220
del fra07221
del fra07222
del fra07223
del fra07224
del fra07225
del fra07226
del fra07227
del fra07228
del fra07229
del fra07230
del fra07231
del fra07232
del fra07233
del fra07234
del fra07235
del fra07236
del fra07237
del fra07238
del fra07239
del fra07240
del fra07241
del fra07242
del fra07243
del fra07244
del fra07245
del fra07246
del fra07247
del fra07248
del fra07249
del fra07250
del fra07251
del fra07252
del fra07253
del fra07254
del fra07255
del fra07256
del fra07257
del fra07258
del fra07259
del fra07260
del fra07261
del fra07262
del fra07263
del fra07264
del fra07265
del fra07266
del fra07267
del fra07268
del fra07269
del fra07270
del fra07271
del fra07272
del fra07273
del fra07274
del fra07275
del fra07276
del fra07277
del fra07278
del fra07279
del fra07280
del fra07281
del fra07282
del fra07283
del fra07284
del fra07285
del fra07286
del fra07287
del fra07288
del fra07289
del fra07290
del fra07291
del fra07292
del fra07293
del fra07294
del fra07295
del fra07296
del fra07297
del fra07298
del fra07299
del fra07300
del fra07301
del fra07302
del fra07303
del fra07304
del fra07305
del fra07306
del fra07307
del fra07308
del fra07309
del fra07310
del fra07311
del fra07312
del fra07313
del fra07314
del fra07315
del fra07316
del fra07317
del fra07318
del fra07319
del fra07320
del fra07321
del fra07322
del fra07323
del fra07324
del fra07325
del fra07326
del fra07327
del fra07328
del fra07329
del fra07330
del fra07331
del fra07332
del fra07333
del fra07334
del fra07335
del fra07336
del fra07337
del fra07338
del fra07339
del fra07340
del fra07341
del fra07342
del fra07343
del fra07344
del fra07345
del fra07346
del fra07347
del fra07348
del fra07349
del fra07350
del fra07351
del fra07352
del fra07353
del fra07354
del fra07355
del fra07356
del fra07357
del fra07358
del fra07359
del fra07360
del fra07361
del fra07362
del fra07363
del fra07364
del fra07365
del fra07366
del fra07367
del fra07368
del fra07369
del fra07370
del fra07371
del fra07372
del fra07373
del fra07374
del fra07375
del fra07376
del fra07377
del fra07378
del fra07379
del fra07380
del fra07381
del fra07382
del fra07383
del fra07384
del fra07385
del fra07386
del fra07387
del fra07388
del fra07389
del fra07390
del fra07391
del fra07392
del fra07393
del fra07394
del fra07395
del fra07396
del fra07397
del fra07398
del fra07399
del fra07400
del fra07401
del fra07402
del fra07403
del fra07404
del fra07405
del fra07406
del fra07407
del fra07408
del fra07409
del fra07410
del fra07411
del fra07412
del fra07413
del fra07414
del fra07415
del fra07416
del fra07417
del fra07418
del fra07419
del fra07420
del fra07421
del fra07422
del fra07423
del fra07424
del fra07425
del fra07426
del fra07427
del fra07428
del fra07429
del fra07430
del fra07431
del fra07432
del fra07433
del fra07434
del fra07435
del fra07436
del fra07437
del fra07438
del fra07439
del fra07440
del fra07441
del fra07442
del fra07443
del fra07444
del fra07445
del fra07446
del fra07447
del fra07448
del fra07449
del fra07450
del fra07451
del fra07452
del fra07453
del fra07454
del fra07455
del fra07456
del fra07457
del fra07458
del fra07459
del fra07460
del fra07461
del fra07462
del fra07463
del fra07464
del fra07465
del fra07466
del fra07467
del fra07468
del fra07469
del fra07470
del fra07471
del fra07472
del fra07473
del fra07474
del fra07475
del fra07476
del fra07477
del fra07478
del fra07479
del fra07480
del fra07481
del fra07482
del fra07483
del fra07484
del fra07485
del fra07486
del fra07487
del fra07488
del fra07489
del fra07490
del fra07491
del fra07492
del fra07493
del fra07494
del fra07495
del fra07496
del fra07497
del fra07498
del fra07499
del fra07500
del fra07501
del fra07502
del fra07503
del fra07504
del fra07505
del fra07506
del fra07507
del fra07508
del fra07509
del fra07510
del fra07511
del fra07512
del fra07513
del fra07514
del fra07515
del fra07516
del fra07517
del fra07518
del fra07519
del fra07520
del fra07521
del fra07522
del fra07523
del fra07524
del fra07525
del fra07526
del fra07527
del fra07528
del fra07529
del fra07530
del fra07531
del fra07532
del fra07533
del fra07534
del fra07535
del fra07536
del fra07537
del fra07538
del fra07539
del fra07540
del fra07541
del fra07542
del fra07543
del fra07544
del fra07545
del fra07546
del fra07547
del fra07548
del fra07549
del fra07550
del fra07551
del fra07552
del fra07553
del fra07554
del fra07555
del fra07556
del fra07557
del fra07558
del fra07559
del fra07560
del fra07561
del fra07562
del fra07563
del fra07564
del fra07565
del fra07566
del fra07567
del fra07568
del fra07569
del fra07570
del fra07571
del fra07572
del fra07573
del fra07574
del fra07575
del fra07576
del fra07577
del fra07578
del fra07579
del fra07580
del fra07581
del fra07582
del fra07583
del fra07584
del fra07585
del fra07586
del fra07587
del fra07588
del fra07589
del fra07590
del fra07591
del fra07592
del fra07593
del fra07594
del fra07595
del fra07596
del fra07597
del fra07598
del fra07599
del fra07600
del fra07601
del fra07602
del fra07603
del fra07604
del fra07605
del fra07606
del fra07607
del fra07608
del fra07609
del fra07610
del fra07611
del fra07612
del fra07613
del fra07614
del fra07615
del fra07616
del fra07617
del fra07618
del fra07619
del fra07620
del fra07621
del fra07622
del fra07623
del fra07624
del fra07625
del fra07626
del fra07627
del fra07628
del fra07629
del fra07630
del fra07631
del fra07632
del fra07633
del fra07634
del fra07635
del fra07636
del fra07637
del fra07638
del fra07639
del fra07640
del fra07641
del fra07642
del fra07643
del fra07644
del fra07645
del fra07646
del fra07647
del fra07648
del fra07649
del fra07650
del fra07651
del fra07652
del fra07653
del fra07654
del fra07655
del fra07656
del fra07657
del fra07658
del fra07659
del fra07660
del fra07661
del fra07662
del fra07663
del fra07664
del fra07665
del fra07666
del fra07667
del fra07668
del fra07669
del fra07670
del fra07671
del fra07672
del fra07673
del fra07674
del fra07675
del fra07676
del fra07677
del fra07678
del fra07679
del fra07680
del fra07681
del fra07682
del fra07683
del fra07684
del fra07685
del fra07686
del fra07687
del fra07688
del fra07689
del fra07690
del fra07691
del fra07692
del fra07693
del fra07694
del fra07695
del fra07696
del fra07697
del fra07698
del fra07699
del fra07700
del fra07701
del fra07702
del fra07703
del fra07704
del fra07705
del fra07706
del fra07707
del fra07708
del fra07709
del fra07710
del fra07711
del fra07712
del fra07713
del fra07714
del fra07715
del fra07716
del fra07717
del fra07718
del fra07719
del fra07720
del fra07721
del fra07722
del fra07723
del fra07724
del fra07725
del fra07726
del fra07727
del fra07728
del fra07729
del fra07730
del fra07731
del fra07732
del fra07733
del fra07734
del fra07735
del fra07736
del fra07737
del fra07738
del fra07739
del fra07740
del fra07741
del fra07742
del fra07743
del fra07744
del fra07745
del fra07746
del fra07747
del fra07748
del fra07749
del fra07750
del fra07751
del fra07752
del fra07753
del fra07754
del fra07755
del fra07756
del fra07757
del fra07758
del fra07759
del fra07760
del fra07761
del fra07762
del fra07763
del fra07764
del fra07765
del fra07766
del fra07767
del fra07768
del fra07769
del fra07770
del fra07771
del fra07772
del fra07773
del fra07774
del fra07775
del fra07776
del fra07777
del fra07778
del fra07779
del fra07780
del fra07781
del fra07782
del fra07783
del fra07784
del fra07785
del fra07786
del fra07787
del fra07788
del fra07789
del fra07790
del fra07791
del fra07792
del fra07793
del fra07794
del fra07795
del fra07796
del fra07797
del fra07798
del fra07799
del fra07800
del fra07801
del fra07802
del fra07803
del fra07804
del fra07805
del fra07806
del fra07807
del fra07808
del fra07809
del fra07810
del fra07811
del fra07812
del fra07813
del fra07814
del fra07815
del fra07816
del fra07817
del fra07818
del fra07819
del fra07820
del fra07821
del fra07822
del fra07823
del fra07824
del fra07825
del fra07826
del fra07827
del fra07828
del fra07829
del fra07830
del fra07831
del fra07832
del fra07833
del fra07834
del fra07835
del fra07836
del fra07837
del fra07838
del fra07839
del fra07840
del fra07841
del fra07842
del fra07843
del fra07844
del fra07845
del fra07846
del fra07847
del fra07848
del fra07849
del fra07850
del fra07851
del fra07852
del fra07853
del fra07854
del fra07855
del fra07856
del fra07857
del fra07858
del fra07859
del fra07860
del fra07861
del fra07862
del fra07863
del fra07864
del fra07865
del fra07866
del fra07867
del fra07868
del fra07869
del fra07870
del fra07871
del fra07872
del fra07873
del fra07874
del fra07875
del fra07876
del fra07877
del fra07878
del fra07879
del fra07880
del fra07881
del fra07882
del fra07883
del fra07884
del fra07885
del fra07886
del fra07887
del fra07888
del fra07889
del fra07890
del fra07891
del fra07892
del fra07893
del fra07894
del fra07895
del fra07896
del fra07897
del fra07898
del fra07899
del fra07900
del fra07901
del fra07902
del fra07903
del fra07904
del fra07905
del fra07906
del fra07907
del fra07908
del fra07909
del fra07910
del fra07911
del fra07912
del fra07913
del fra07914
del fra07915
del fra07916
del fra07917
del fra07918
del fra07919
del fra07920
del fra07921
del fra07922
del fra07923
del fra07924
del fra07925
del fra07926
del fra07927
del fra07928
del fra07929
del fra07930
del fra07931
del fra07932
del fra07933
del fra07934
del fra07935
del fra07936
del fra07937
del fra07938
del fra07939
del fra07940
del fra07941
del fra07942
del fra07943
del fra07944
del fra07945
del fra07946
del fra07947
del fra07948
del fra07949
del fra07950
del fra07951
del fra07952
del fra07953
del fra07954
del fra07955
del fra07956
del fra07957
del fra07958
del fra07959
del fra07960
del fra07961
del fra07962
del fra07963
del fra07964
del fra07965
del fra07966
del fra07967
del fra07968
del fra07969
del fra07970
del fra07971
del fra07972
del fra07973
del fra07974
del fra07975
del fra07976
del fra07977
del fra07978
del fra07979
del fra07980
del fra07981
del fra07982
del fra07983
del fra07984
del fra07985
del fra07986
del fra07987
del fra07988
del fra07989
del fra07990
del fra07991
del fra07992
del fra07993
del fra07994
del fra07995
del fra07996
del fra07997
del fra07998
del fra07999
del fra08000
del fra08001
del fra08002
del fra08003
del fra08004
del fra08005
del fra08006
del fra08007
del fra08008
del fra08009
del fra08010
del fra08011
del fra08012
del fra08013
del fra08014
del fra08015
del fra08016
del fra08017
del fra08018
del fra08019
del fra08020
del fra08021
del fra08022
del fra08023
del fra08024
del fra08025
del fra08026
del fra08027
del fra08028
del fra08029
del fra08030
del fra08031
del fra08032
del fra08033
del fra08034
del fra08035
del fra08036
del fra08037
del fra08038
del fra08039
del fra08040
del fra08041
del fra08042
del fra08043
del fra08044
del fra08045
del fra08046
del fra08047
del fra08048
del fra08049
del fra08050
del fra08051
del fra08052
del fra08053
del fra08054
del fra08055
del fra08056
del fra08057
del fra08058
del fra08059
del fra08060
del fra08061
del fra08062
del fra08063
del fra08064
del fra08065
del fra08066
del fra08067
del fra08068
del fra08069
del fra08070
del fra08071
del fra08072
del fra08073
del fra08074
del fra08075
del fra08076
del fra08077
del fra08078
del fra08079
del fra08080
del fra08081
del fra08082
del fra08083
del fra08084
del fra08085
del fra08086
del fra08087
del fra08088
del fra08089
del fra08090
del fra08091
del fra08092
del fra08093
del fra08094
del fra08095
del fra08096
del fra08097
del fra08098
del fra08099
del fra08100
del fra08101
del fra08102
del fra08103
del fra08104
del fra08105
del fra08106
del fra08107
del fra08108
del fra08109
del fra08110
del fra08111
del fra08112
del fra08113
del fra08114
del fra08115
del fra08116
del fra08117
del fra08118
del fra08119
del fra08120
del fra08121
del fra08122
del fra08123
del fra08124
del fra08125
del fra08126
del fra08127
del fra08128
del fra08129
del fra08130
del fra08131
del fra08132
del fra08133
del fra08134
del fra08135
del fra08136
del fra08137
del fra08138
del fra08139
del fra08140
del fra08141
del fra08142
del fra08143
del fra08144
del fra08145
del fra08146
del fra08147
del fra08148
del fra08149
del fra08150
del fra08151
del fra08152
del fra08153
del fra08154
del fra08155
del fra08156
del fra08157
del fra08158
del fra08159
del fra08160
del fra08161
del fra08162
del fra08163
del fra08164
del fra08165
del fra08166
del fra08167
del fra08168
del fra08169
del fra08170
del fra08171
del fra08172
del fra08173
del fra08174
del fra08175
del fra08176
del fra08177
del fra08178
del fra08179
del fra08180
del fra08181
del fra08182
del fra08183
del fra08184
del fra08185
del fra08186
del fra08187
del fra08188
del fra08189
del fra08190
del fra08191
del fra08192
del fra08193
del fra08194
del fra08195
del fra08196
del fra08197
del fra08198
del fra08199
del fra08200
del fra08201
del fra08202
del fra08203
del fra08204
del fra08205
del fra08206
del fra08207
del fra08208
del fra08209
del fra08210
del fra08211
del fra08212
del fra08213
del fra08214
del fra08215
del fra08216
del fra08217
del fra08218
del fra08219
del fra08220
del fra08221
del fra08222
del fra08223
del fra08224
del fra08225
del fra08226
del fra08227
del fra08228
del fra08229
del fra08230
del fra08231
del fra08232
del fra08233
del fra08234
del fra08235
del fra08236
del fra08237
del fra08238
del fra08239
del fra08240
del fra08241
del fra08242
del fra08243
del fra08244
del fra08245
del fra08246
del fra08247
del fra08248
del fra08249
del fra08250
del fra08251
del fra08252
del fra08253
del fra08254
del fra08255
del fra08256
del fra08257
del fra08258
del fra08259
del fra08260
del fra08261
del fra08262
del fra08263
del fra08264
del fra08265
del fra08266
del fra08267
del fra08268
del fra08269
del fra08270
del fra08271
del fra08272
del fra08273
del fra08274
del fra08275
del fra08276
del fra08277
del fra08278
del fra08279
del fra08280
del fra08281
del fra08282
del fra08283
del fra08284
del fra08285
del fra08286
del fra08287
del fra08288
del fra08289
del fra08290
del fra08291
del fra08292
del fra08293
del fra08294
del fra08295
del fra08296
del fra08297
del fra08298
del fra08299
del fra08300
del fra08301
del fra08302
del fra08303
del fra08304
del fra08305
del fra08306
del fra08307
del fra08308
del fra08309
del fra08310
del fra08311
del fra08312
del fra08313
del fra08314
del fra08315
del fra08316
del fra08317
del fra08318
del fra08319
del fra08320
del fra08321
del fra08322
del fra08323
del fra08324
del fra08325
del fra08326
del fra08327
del fra08328
del fra08329
del fra08330
del fra08331
del fra08332
del fra08333
del fra08334
del fra08335
del fra08336
del fra08337
del fra08338
del fra08339
del fra08340
del fra08341
del fra08342
del fra08343
del fra08344
del fra08345
del fra08346
del fra08347
del fra08348
del fra08349
del fra08350
del fra08351
del fra08352
del fra08353
del fra08354
del fra08355
del fra08356
del fra08357
del fra08358
del fra08359
del fra08360
del fra08361
del fra08362
del fra08363
del fra08364
del fra08365
del fra08366
del fra08367
del fra08368
del fra08369
del fra08370
del fra08371
del fra08372
del fra08373
del fra08374
del fra08375
del fra08376
del fra08377
del fra08378
del fra08379
del fra08380
del fra08381
del fra08382
del fra08383
del fra08384
del fra08385
del fra08386
del fra08387
del fra08388
del fra08389
del fra08390
del fra08391
del fra08392
del fra08393
del fra08394
del fra08395
del fra08396
del fra08397
del fra08398
del fra08399
del fra08400
del fra08401
del fra08402
del fra08403
del fra08404
del fra08405
del fra08406
del fra08407
del fra08408
del fra08409
del fra08410
del fra08411
del fra08412
del fra08413
del fra08414
del fra08415
del fra08416
del fra08417
del fra08418
del fra08419
del fra08420
del fra08421
del fra08422
del fra08423
del fra08424
del fra08425
del fra08426
del fra08427
del fra08428
del fra08429
del fra08430
del fra08431
del fra08432
del fra08433
del fra08434
del fra08435
del fra08436
del fra08437
del fra08438
del fra08439
del fra08440
del fra08441
del fra08442
del fra08443
del fra08444
del fra08445
del fra08446
del fra08447
del fra08448
del fra08449
del fra08450
del fra08451
del fra08452
del fra08453
del fra08454
del fra08455
del fra08456
del fra08457
del fra08458
del fra08459
del fra08460
del fra08461
del fra08462
del fra08463
del fra08464
del fra08465
del fra08466
del fra08467
del fra08468
del fra08469
del fra08470
del fra08471
del fra08472
del fra08473
del fra08474
del fra08475
del fra08476
del fra08477
del fra08478
del fra08479
del fra08480
del fra08481
del fra08482
del fra08483
del fra08484
del fra08485
del fra08486
del fra08487
del fra08488
del fra08489
del fra08490
del fra08491
del fra08492
del fra08493
del fra08494
del fra08495
del fra08496
del fra08497
del fra08498
del fra08499
del fra08500
del fra08501
del fra08502
del fra08503
del fra08504
del fra08505
del fra08506
del fra08507
del fra08508
del fra08509
del fra08510
del fra08511
del fra08512
del fra08513
del fra08514
del fra08515
del fra08516
del fra08517
del fra08518
del fra08519
del fra08520
del fra08521
del fra08522
del fra08523
del fra08524
del fra08525
del fra08526
del fra08527
del fra08528
del fra08529
del fra08530
del fra08531
del fra08532
del fra08533
del fra08534
del fra08535
del fra08536
del fra08537
del fra08538
del fra08539
del fra08540
del fra08541
del fra08542
del fra08543
del fra08544
del fra08545
del fra08546
del fra08547
del fra08548
del fra08549
del fra08550
del fra08551
del fra08552
del fra08553
del fra08554
del fra08555
del fra08556
del fra08557
del fra08558
del fra08559
del fra08560
del fra08561
del fra08562
del fra08563
del fra08564
del fra08565
del fra08566
del fra08567
del fra08568
del fra08569
del fra08570
del fra08571
del fra08572
del fra08573
del fra08574
del fra08575
del fra08576
del fra08577
del fra08578
del fra08579
del fra08580
del fra08581
del fra08582
del fra08583
del fra08584
del fra08585
del fra08586
del fra08587
del fra08588
del fra08589
del fra08590
del fra08591
del fra08592
del fra08593
del fra08594
del fra08595
del fra08596
del fra08597
del fra08598
del fra08599
del fra08600
del fra08601
del fra08602
del fra08603
del fra08604
del fra08605
del fra08606
del fra08607
del fra08608
del fra08609
del fra08610
del fra08611
del fra08612
del fra08613
del fra08614
del fra08615
del fra08616
del fra08617
del fra08618
del fra08619
del fra08620
del fra08621
del fra08622
del fra08623
del fra08624
del fra08625
del fra08626
del fra08627
del fra08628
del fra08629
del fra08630
del fra08631
del fra08632
del fra08633
del fra08634
del fra08635
del fra08636
del fra08637
del fra08638
del fra08639
del fra08640
del fra08641
del fra08642
del fra08643
del fra08644
del fra08645
del fra08646
del fra08647
del fra08648
del fra08649
del fra08650
del fra08651
del fra08652
del fra08653
del fra08654
del fra08655
del fra08656
del fra08657
del fra08658
del fra08659
del fra08660
del fra08661
del fra08662
del fra08663
del fra08664
del fra08665
del fra08666
del fra08667
del fra08668
del fra08669
del fra08670
del fra08671
del fra08672
del fra08673
del fra08674
del fra08675
del fra08676
del fra08677
del fra08678
del fra08679
del fra08680
del fra08681
del fra08682
del fra08683
del fra08684
del fra08685
del fra08686
del fra08687
del fra08688
del fra08689
del fra08690
del fra08691
del fra08692
del fra08693
del fra08694
del fra08695
del fra08696
del fra08697
del fra08698
del fra08699
del fra08700
del fra08701
del fra08702
del fra08703
del fra08704
del fra08705
del fra08706
del fra08707
del fra08708
del fra08709
del fra08710
del fra08711
del fra08712
del fra08713
del fra08714
del fra08715
del fra08716
del fra08717
del fra08718
del fra08719
del fra08720
del fra08721
del fra08722
del fra08723
del fra08724
del fra08725
del fra08726
del fra08727
del fra08728
del fra08729
del fra08730
del fra08731
del fra08732
del fra08733
del fra08734
del fra08735
del fra08736
del fra08737
del fra08738
del fra08739
del fra08740
del fra08741
del fra08742
del fra08743
del fra08744
del fra08745
del fra08746
del fra08747
del fra08748
del fra08749
del fra08750
del fra08751
del fra08752
del fra08753
del fra08754
del fra08755
del fra08756
del fra08757
del fra08758
del fra08759
del fra08760
del fra08761
del fra08762
del fra08763
del fra08764
del fra08765
del fra08766
del fra08767
del fra08768
del fra08769
del fra08770
del fra08771
del fra08772
del fra08773
del fra08774
del fra08775
del fra08776
del fra08777
del fra08778
del fra08779
del fra08780
del fra08781
del fra08782
del fra08783
del fra08784
del fra08785
del fra08786
del fra08787
del fra08788
del fra08789
del fra08790
del fra08791
del fra08792
del fra08793
del fra08794
del fra08795
del fra08796
del fra08797
del fra08798
del fra08799
del fra08800
del fra08801
del fra08802
del fra08803
del fra08804
del fra08805
del fra08806
del fra08807
del fra08808
del fra08809
del fra08810
del fra08811
del fra08812
del fra08813
del fra08814
del fra08815
del fra08816
del fra08817
del fra08818
del fra08819
del fra08820
del fra08821
del fra08822
del fra08823
del fra08824
del fra08825
del fra08826
del fra08827
del fra08828
del fra08829
del fra08830
del fra08831
del fra08832
del fra08833
del fra08834
del fra08835
del fra08836
del fra08837
del fra08838
del fra08839
del fra08840
del fra08841
del fra08842
del fra08843
del fra08844
del fra08845
del fra08846
del fra08847
del fra08848
del fra08849
del fra08850
del fra08851
del fra08852
del fra08853
del fra08854
del fra08855
del fra08856
del fra08857
del fra08858
del fra08859
del fra08860
del fra08861
del fra08862
del fra08863
del fra08864
del fra08865
del fra08866
del fra08867
del fra08868
del fra08869
del fra08870
del fra08871
del fra08872
del fra08873
del fra08874
del fra08875
del fra08876
del fra08877
del fra08878
del fra08879
del fra08880
del fra08881
del fra08882
del fra08883
del fra08884
del fra08885
del fra08886
del fra08887
del fra08888
del fra08889
del fra08890
del fra08891
del fra08892
del fra08893
del fra08894
del fra08895
del fra08896
del fra08897
del fra08898
del fra08899
del fra08900
del fra08901
del fra08902
del fra08903
del fra08904
del fra08905
del fra08906
del fra08907
del fra08908
del fra08909
del fra08910
del fra08911
del fra08912
del fra08913
del fra08914
del fra08915
del fra08916
del fra08917
del fra08918
del fra08919
del fra08920
del fra08921
del fra08922
del fra08923
del fra08924
del fra08925
del fra08926
del fra08927
del fra08928
del fra08929
del fra08930
del fra08931
del fra08932
del fra08933
del fra08934
del fra08935
del fra08936
del fra08937
del fra08938
del fra08939
del fra08940
del fra08941
del fra08942
del fra08943
del fra08944
del fra08945
del fra08946
del fra08947
del fra08948
del fra08949
del fra08950
del fra08951
del fra08952
del fra08953
del fra08954
del fra08955
del fra08956
del fra08957
del fra08958
del fra08959
del fra08960
del fra08961
del fra08962
del fra08963
del fra08964
del fra08965
del fra08966
del fra08967
del fra08968
del fra08969
del fra08970
del fra08971
del fra08972
del fra08973
del fra08974
del fra08975
del fra08976
del fra08977
del fra08978
del fra08979
del fra08980
del fra08981
del fra08982
del fra08983
del fra08984
del fra08985
del fra08986
del fra08987
del fra08988
del fra08989
del fra08990
del fra08991
del fra08992
del fra08993
del fra08994
del fra08995
del fra08996
del fra08997
del fra08998
del fra08999
del fra09000
del fra09001
del fra09002
del fra09003
del fra09004
del fra09005
del fra09006
del fra09007
del fra09008
del fra09009
del fra09010
del fra09011
del fra09012
del fra09013
del fra09014
del fra09015
del fra09016
del fra09017
del fra09018
del fra09019
del fra09020
del fra09021
del fra09022
del fra09023
del fra09024
del fra09025
del fra09026
del fra09027
del fra09028
del fra09029
del fra09030
del fra09031
del fra09032
del fra09033
del fra09034
del fra09035
del fra09036
del fra09037
del fra09038
del fra09039
del fra09040
del fra09041
del fra09042
del fra09043
del fra09044
del fra09045
del fra09046
del fra09047
del fra09048
del fra09049
del fra09050
del fra09051
del fra09052
del fra09053
del fra09054
del fra09055
del fra09056
del fra09057
del fra09058
del fra09059
del fra09060
del fra09061
del fra09062
del fra09063
del fra09064
del fra09065
del fra09066
del fra09067
del fra09068
del fra09069
del fra09070
del fra09071
del fra09072
del fra09073
del fra09074
del fra09075
del fra09076
del fra09077
del fra09078
del fra09079
del fra09080
del fra09081
del fra09082
del fra09083
del fra09084
del fra09085
del fra09086
del fra09087
del fra09088
del fra09089
del fra09090
del fra09091
del fra09092
del fra09093
del fra09094
del fra09095
del fra09096
del fra09097
del fra09098
del fra09099
del fra09100
del fra09101
del fra09102
del fra09103
del fra09104
del fra09105
del fra09106
del fra09107
del fra09108
del fra09109
del fra09110
del fra09111
del fra09112
del fra09113
del fra09114
del fra09115
del fra09116
del fra09117
del fra09118
del fra09119
del fra09120
del fra09121
del fra09122
del fra09123
del fra09124
del fra09125
del fra09126
del fra09127
del fra09128
del fra09129
del fra09130
del fra09131
del fra09132
del fra09133
del fra09134
del fra09135
del fra09136
del fra09137
del fra09138
del fra09139
del fra09140
del fra09141
del fra09142
del fra09143
del fra09144
del fra09145
del fra09146
del fra09147
del fra09148
del fra09149
del fra09150
del fra09151
del fra09152
del fra09153
del fra09154
del fra09155
del fra09156
del fra09157
del fra09158
del fra09159
del fra09160
del fra09161
del fra09162
del fra09163
del fra09164
del fra09165
del fra09166
del fra09167
del fra09168
del fra09169
del fra09170
del fra09171
del fra09172
del fra09173
del fra09174
del fra09175
del fra09176
del fra09177
del fra09178
del fra09179
del fra09180
del fra09181
del fra09182
del fra09183
del fra09184
del fra09185
del fra09186
del fra09187
del fra09188
del fra09189
del fra09190
del fra09191
del fra09192
del fra09193
del fra09194
del fra09195
del fra09196
del fra09197
del fra09198
del fra09199
del fra09200
del fra09201
del fra09202
del fra09203
del fra09204
del fra09205
del fra09206
del fra09207
del fra09208
del fra09209
del fra09210
del fra09211
del fra09212
del fra09213
del fra09214
del fra09215
del fra09216
del fra09217
del fra09218
del fra09219
del fra09220
del fra09221
del fra09222
del fra09223
del fra09224
del fra09225
del fra09226
del fra09227
del fra09228
del fra09229
del fra09230
del fra09231
del fra09232
del fra09233
del fra09234
del fra09235
del fra09236
del fra09237
del fra09238
del fra09239
del fra09240
del fra09241
del fra09242
del fra09243
del fra09244
del fra09245
del fra09246
del fra09247
del fra09248
del fra09249
del fra09250
del fra09251
del fra09252
del fra09253
del fra09254
del fra09255
del fra09256
del fra09257
del fra09258
del fra09259
del fra09260
del fra09261
del fra09262
del fra09263
del fra09264
del fra09265
del fra09266
del fra09267
del fra09268
del fra09269
del fra09270
del fra09271
del fra09272
del fra09273
del fra09274
del fra09275
del fra09276
del fra09277
del fra09278
del fra09279
del fra09280
del fra09281
del fra09282
del fra09283
del fra09284
del fra09285
del fra09286
del fra09287
del fra09288
del fra09289
del fra09290
del fra09291
del fra09292
del fra09293
del fra09294
del fra09295
del fra09296
del fra09297
del fra09298
del fra09299
del fra09300
del fra09301
del fra09302
del fra09303
del fra09304
del fra09305
del fra09306
del fra09307
del fra09308
del fra09309
del fra09310
del fra09311
del fra09312
del fra09313
del fra09314
del fra09315
del fra09316
del fra09317
del fra09318
del fra09319
del fra09320
del fra09321
del fra09322
del fra09323
del fra09324
del fra09325
del fra09326
del fra09327
del fra09328
del fra09329
del fra09330
del fra09331
del fra09332
del fra09333
del fra09334
del fra09335
del fra09336
del fra09337
del fra09338
del fra09339
del fra09340
del fra09341
del fra09342
del fra09343
del fra09344
del fra09345
del fra09346
del fra09347
del fra09348
del fra09349
del fra09350
del fra09351
del fra09352
del fra09353
del fra09354
del fra09355
del fra09356
del fra09357
del fra09358
del fra09359
del fra09360
del fra09361
del fra09362
del fra09363
del fra09364
del fra09365
del fra09366
del fra09367
del fra09368
del fra09369
del fra09370
del fra09371
del fra09372
del fra09373
del fra09374
del fra09375
del fra09376
del fra09377
del fra09378
del fra09379
del fra09380
del fra09381
del fra09382
del fra09383
del fra09384
del fra09385
del fra09386
del fra09387
del fra09388
del fra09389
del fra09390
del fra09391
del fra09392
del fra09393
del fra09394
del fra09395
del fra09396
del fra09397
del fra09398
del fra09399
del fra09400
del fra09401
del fra09402
del fra09403
del fra09404
del fra09405
del fra09406
del fra09407
del fra09408
del fra09409
del fra09410
del fra09411
del fra09412
del fra09413
del fra09414
del fra09415
del fra09416
del fra09417
del fra09418
del fra09419
del fra09420
del fra09421
del fra09422
del fra09423
del fra09424
del fra09425
del fra09426
del fra09427
del fra09428
del fra09429
del fra09430
del fra09431
del fra09432
del fra09433
del fra09434
del fra09435
del fra09436
del fra09437
del fra09438
del fra09439
del fra09440
del fra09441
del fra09442
del fra09443
del fra09444
del fra09445
del fra09446
del fra09447
del fra09448
del fra09449
del fra09450
del fra09451
del fra09452
del fra09453
del fra09454
del fra09455
del fra09456
del fra09457
del fra09458
del fra09459
del fra09460
del fra09461
del fra09462
del fra09463
del fra09464
del fra09465
del fra09466
del fra09467
del fra09468
del fra09469
del fra09470
del fra09471
del fra09472
del fra09473
del fra09474
del fra09475
del fra09476
del fra09477
del fra09478
del fra09479
del fra09480
del fra09481
del fra09482
del fra09483
del fra09484
del fra09485
del fra09486
del fra09487
del fra09488
del fra09489
del fra09490
del fra09491
del fra09492
del fra09493
del fra09494
del fra09495
del fra09496
del fra09497
del fra09498
del fra09499
del fra09500
del fra09501
del fra09502
del fra09503
del fra09504
del fra09505
del fra09506
del fra09507
del fra09508
del fra09509
del fra09510
del fra09511
del fra09512
del fra09513
del fra09514
del fra09515
del fra09516
del fra09517
del fra09518
del fra09519
del fra09520
del fra09521
del fra09522
del fra09523
del fra09524
del fra09525
del fra09526
del fra09527
del fra09528
del fra09529
del fra09530
del fra09531
del fra09532
del fra09533
del fra09534
del fra09535
del fra09536
del fra09537
del fra09538
del fra09539
del fra09540
del fra09541
del fra09542
del fra09543
del fra09544
del fra09545
del fra09546
del fra09547
del fra09548
del fra09549
del fra09550
del fra09551
del fra09552
del fra09553
del fra09554
del fra09555
del fra09556
del fra09557
del fra09558
del fra09559
del fra09560
del fra09561
del fra09562
del fra09563
del fra09564
del fra09565
del fra09566
del fra09567
del fra09568
del fra09569
del fra09570
del fra09571
del fra09572
del fra09573
del fra09574
del fra09575
del fra09576
del fra09577
del fra09578
del fra09579
del fra09580
del fra09581
del fra09582
del fra09583
del fra09584
del fra09585
del fra09586
del fra09587
del fra09588
del fra09589
del fra09590
del fra09591
del fra09592
del fra09593
del fra09594
del fra09595
del fra09596
del fra09597
del fra09598
del fra09599
del fra09600
del fra09601
del fra09602
del fra09603
del fra09604
del fra09605
del fra09606
del fra09607
del fra09608
del fra09609
del fra09610
del fra09611
del fra09612
del fra09613
del fra09614
del fra09615
del fra09616
del fra09617
del fra09618
del fra09619
del fra09620
del fra09621
del fra09622
del fra09623
del fra09624
del fra09625
del fra09626
del fra09627
del fra09628
del fra09629
del fra09630
del fra09631
del fra09632
del fra09633
del fra09634
del fra09635
del fra09636
del fra09637
del fra09638
del fra09639
del fra09640
del fra09641
del fra09642
del fra09643
del fra09644
del fra09645
del fra09646
del fra09647
del fra09648
del fra09649
del fra09650
del fra09651
del fra09652
del fra09653
del fra09654
del fra09655
del fra09656
del fra09657
del fra09658
del fra09659
del fra09660
del fra09661
del fra09662
del fra09663
del fra09664
del fra09665
del fra09666
del fra09667
del fra09668
del fra09669
del fra09670
del fra09671
del fra09672
del fra09673
del fra09674
del fra09675
del fra09676
del fra09677
del fra09678
del fra09679
del fra09680
del fra09681
del fra09682
del fra09683
del fra09684
del fra09685
del fra09686
del fra09687
del fra09688
del fra09689
del fra09690
del fra09691
del fra09692
del fra09693
del fra09694
del fra09695
del fra09696
del fra09697
del fra09698
del fra09699
del fra09700
del fra09701
del fra09702
del fra09703
del fra09704
del fra09705
del fra09706
del fra09707
del fra09708
del fra09709
del fra09710
del fra09711
del fra09712
del fra09713
del fra09714
del fra09715
del fra09716
del fra09717
del fra09718
del fra09719
del fra09720
del fra09721
del fra09722
del fra09723
del fra09724
del fra09725
del fra09726
del fra09727
del fra09728
del fra09729
del fra09730
del fra09731
del fra09732
del fra09733
del fra09734
del fra09735
del fra09736
del fra09737
del fra09738
del fra09739
del fra09740
del fra09741
del fra09742
del fra09743
del fra09744
del fra09745
del fra09746
del fra09747
del fra09748
del fra09749
del fra09750
del fra09751
del fra09752
del fra09753
del fra09754
del fra09755
del fra09756
del fra09757
del fra09758
del fra09759
del fra09760
del fra09761
del fra09762
del fra09763
del fra09764
del fra09765
del fra09766
del fra09767
del fra09768
del fra09769
del fra09770
del fra09771
del fra09772
del fra09773
del fra09774
del fra09775
del fra09776
del fra09777
del fra09778
del fra09779
del fra09780
del fra09781
del fra09782
del fra09783
del fra09784
del fra09785
del fra09786
del fra09787
del fra09788
del fra09789
del fra09790
del fra09791
del fra09792
del fra09793
del fra09794
del fra09795
del fra09796
del fra09797
del fra09798
del fra09799
del fra09800
del fra09801
del fra09802
del fra09803
del fra09804
del fra09805
del fra09806
del fra09807
del fra09808
del fra09809
del fra09810
del fra09811
del fra09812
del fra09813
del fra09814
del fra09815
del fra09816
del fra09817
del fra09818
del fra09819
del fra09820
del fra09821
del fra09822
del fra09823
del fra09824
del fra09825
del fra09826
del fra09827
del fra09828
del fra09829
del fra09830
del fra09831
del fra09832
del fra09833
del fra09834
del fra09835
del fra09836
del fra09837
del fra09838
del fra09839
del fra09840
del fra09841
del fra09842
del fra09843
del fra09844
del fra09845
del fra09846
del fra09847
del fra09848
del fra09849
del fra09850
del fra09851
del fra09852
del fra09853
del fra09854
del fra09855
del fra09856
del fra09857
del fra09858
del fra09859
del fra09860
del fra09861
del fra09862
del fra09863
del fra09864
del fra09865
del fra09866
del fra09867
del fra09868
del fra09869
del fra09870
del fra09871
del fra09872
del fra09873
del fra09874
del fra09875
del fra09876
del fra09877
del fra09878
del fra09879
del fra09880
del fra09881
del fra09882
del fra09883
del fra09884
del fra09885
del fra09886
del fra09887
del fra09888
del fra09889
del fra09890
del fra09891
del fra09892
del fra09893
del fra09894
del fra09895
del fra09896
del fra09897
del fra09898
del fra09899
del fra09900
del fra09901
del fra09902
del fra09903
del fra09904
del fra09905
del fra09906
del fra09907
del fra09908
del fra09909
del fra09910
del fra09911
del fra09912
del fra09913
del fra09914
del fra09915
del fra09916
del fra09917
del fra09918
del fra09919
del fra09920
del fra09921
del fra09922
del fra09923
del fra09924
del fra09925
del fra09926
del fra09927
del fra09928
del fra09929
del fra09930
del fra09931
del fra09932
del fra09933
del fra09934
del fra09935
del fra09936
del fra09937
del fra09938
del fra09939
del fra09940
del fra09941
del fra09942
del fra09943
del fra09944
del fra09945
del fra09946
del fra09947
del fra09948
del fra09949
del fra09950
del fra09951
del fra09952
del fra09953
del fra09954
del fra09955
del fra09956
del fra09957
del fra09958
del fra09959
del fra09960
del fra09961
del fra09962
del fra09963
del fra09964
del fra09965
del fra09966
del fra09967
del fra09968
del fra09969
del fra09970
del fra09971
del fra09972
del fra09973
del fra09974
del fra09975
del fra09976
del fra09977
del fra09978
del fra09979
del fra09980
del fra09981
del fra09982
del fra09983
del fra09984
del fra09985
del fra09986
del fra09987
del fra09988
del fra09989
del fra09990
del fra09991
del fra09992
del fra09993
del fra09994
del fra09995
del fra09996
del fra09997
del fra09998
del fra09999
del fra10000
del fra10001
del fra10002
del fra10003
del fra10004
del fra10005
del fra10006
del fra10007
del fra10008
del fra10009
del fra10010
del fra10011
del fra10012
del fra10013
del fra10014
del fra10015
del fra10016
del fra10017
del fra10018
del fra10019
del fra10020
del fra10021
del fra10022
del fra10023
del fra10024
del fra10025
del fra10026
del fra10027
del fra10028
del fra10029
del fra10030
del fra10031
del fra10032
del fra10033
del fra10034
del fra10035
del fra10036
del fra10037
del fra10038
del fra10039
del fra10040
del fra10041
del fra10042
del fra10043
del fra10044
del fra10045
del fra10046
del fra10047
del fra10048
del fra10049
del fra10050
del fra10051
del fra10052
del fra10053
del fra10054
del fra10055
del fra10056
del fra10057
del fra10058
del fra10059
del fra10060
del fra10061
del fra10062
del fra10063
del fra10064
del fra10065
del fra10066
del fra10067
del fra10068
del fra10069
del fra10070
del fra10071
del fra10072
del fra10073
del fra10074
del fra10075
del fra10076
del fra10077
del fra10078
del fra10079
del fra10080
del fra10081
del fra10082
del fra10083
del fra10084
del fra10085
del fra10086
del fra10087
del fra10088
del fra10089
del fra10090
del fra10091
del fra10092
del fra10093
del fra10094
del fra10095
del fra10096
del fra10097
del fra10098
del fra10099
del fra10100
del fra10101
del fra10102
del fra10103
del fra10104
del fra10105
del fra10106
del fra10107
del fra10108
del fra10109
del fra10110
del fra10111
del fra10112
del fra10113
del fra10114
del fra10115
del fra10116
del fra10117
del fra10118
del fra10119
del fra10120
del fra10121
del fra10122
del fra10123
del fra10124
del fra10125
del fra10126
del fra10127
del fra10128
del fra10129
del fra10130
del fra10131
del fra10132
del fra10133
del fra10134
del fra10135
del fra10136
del fra10137
del fra10138
del fra10139
del fra10140
del fra10141
del fra10142
del fra10143
del fra10144
del fra10145
del fra10146
del fra10147
del fra10148
del fra10149
del fra10150
del fra10151
del fra10152
del fra10153
del fra10154
del fra10155
del fra10156
del fra10157
del fra10158
del fra10159
del fra10160
del fra10161
del fra10162
del fra10163
del fra10164
del fra10165
del fra10166
del fra10167
del fra10168
del fra10169
del fra10170
del fra10171
del fra10172
del fra10173
del fra10174
del fra10175
del fra10176
del fra10177
del fra10178
del fra10179
del fra10180
del fra10181
del fra10182
del fra10183
del fra10184
del fra10185
del fra10186
del fra10187
del fra10188
del fra10189
del fra10190
del fra10191
del fra10192
del fra10193
del fra10194
del fra10195
del fra10196
del fra10197
del fra10198
del fra10199
del fra10200
del fra10201
del fra10202
del fra10203
del fra10204
del fra10205
del fra10206
del fra10207
del fra10208
del fra10209
del fra10210
del fra10211
del fra10212
del fra10213
del fra10214
del fra10215
del fra10216
del fra10217
del fra10218
del fra10219
del fra10220
del fra10221
del fra10222
del fra10223
del fra10224
del fra10225
del fra10226
del fra10227
del fra10228
del fra10229
del fra10230
del fra10231
del fra10232
del fra10233
del fra10234
del fra10235
del fra10236
del fra10237
del fra10238
del fra10239
del fra10240
del fra10241
del fra10242
del fra10243
del fra10244
del fra10245
del fra10246
del fra10247
del fra10248
del fra10249
del fra10250
del fra10251
del fra10252
del fra10253
del fra10254
del fra10255
del fra10256
del fra10257
del fra10258
del fra10259
del fra10260
del fra10261
del fra10262
del fra10263
del fra10264
del fra10265
del fra10266
del fra10267
del fra10268
del fra10269
del fra10270
del fra10271
del fra10272
del fra10273
del fra10274
del fra10275
del fra10276
del fra10277
del fra10278
del fra10279
del fra10280
del fra10281
del fra10282
del fra10283
del fra10284
del fra10285
del fra10286
del fra10287
del fra10288
del fra10289
del fra10290
del fra10291
del fra10292
del fra10293
del fra10294
del fra10295
del fra10296
del fra10297
del fra10298
del fra10299
del fra10300
del fra10301
del fra10302
del fra10303
del fra10304
del fra10305
del fra10306
del fra10307
del fra10308
del fra10309
del fra10310
del fra10311
del fra10312
del fra10313
del fra10314
del fra10315
del fra10316
del fra10317
del fra10318
del fra10319
del fra10320
del fra10321
del fra10322
del fra10323
del fra10324
del fra10325
del fra10326
del fra10327
del fra10328
del fra10329
del fra10330
del fra10331
del fra10332
del fra10333
del fra10334
del fra10335
del fra10336
del fra10337
del fra10338
del fra10339
del fra10340
del fra10341
del fra10342
del fra10343
del fra10344
del fra10345
del fra10346
del fra10347
del fra10348
del fra10349
del fra10350
del fra10351
del fra10352
del fra10353
del fra10354
del fra10355
del fra10356
del fra10357
del fra10358
del fra10359
del fra10360
del fra10361
del fra10362
del fra10363
del fra10364
del fra10365
del fra10366
del fra10367
del fra10368
del fra10369
del fra10370
del fra10371
del fra10372
del fra10373
del fra10374
del fra10375
del fra10376
del fra10377
del fra10378
del fra10379
del fra10380
del fra10381
del fra10382
del fra10383
del fra10384
del fra10385
del fra10386
del fra10387
del fra10388
del fra10389
del fra10390
del fra10391
del fra10392
del fra10393
del fra10394
del fra10395
del fra10396
del fra10397
del fra10398
del fra10399
del fra10400
del fra10401
del fra10402
del fra10403
del fra10404
del fra10405
del fra10406
del fra10407
del fra10408
del fra10409
del fra10410
del fra10411
del fra10412
del fra10413
del fra10414
del fra10415
del fra10416
del fra10417
del fra10418
del fra10419
del fra10420
del fra10421
del fra10422
del fra10423
del fra10424
del fra10425
del fra10426
del fra10427
del fra10428
del fra10429
del fra10430
del fra10431
del fra10432
del fra10433
del fra10434
del fra10435
del fra10436
del fra10437
del fra10438
del fra10439
del fra10440
del fra10441
del fra10442
del fra10443
del fra10444
del fra10445
del fra10446
del fra10447
del fra10448
del fra10449
del fra10450
del fra10451
del fra10452
del fra10453
del fra10454
del fra10455
del fra10456
del fra10457
del fra10458
del fra10459
del fra10460
del fra10461
del fra10462
del fra10463
del fra10464
del fra10465
del fra10466
del fra10467
del fra10468
del fra10469
del fra10470
del fra10471
del fra10472
del fra10473
del fra10474
del fra10475
del fra10476
del fra10477
del fra10478
del fra10479
del fra10480
del fra10481
del fra10482
del fra10483
del fra10484
del fra10485
del fra10486
del fra10487
del fra10488
del fra10489
del fra10490
del fra10491
del fra10492
del fra10493
del fra10494
del fra10495
del fra10496
del fra10497
del fra10498
del fra10499
del fra10500
del fra10501
del fra10502
del fra10503
del fra10504
del fra10505
del fra10506
del fra10507
del fra10508
del fra10509
del fra10510
del fra10511
del fra10512
del fra10513
del fra10514
del fra10515
del fra10516
del fra10517
del fra10518
del fra10519
del fra10520
del fra10521
del fra10522
del fra10523
del fra10524
del fra10525
del fra10526
del fra10527
del fra10528
del fra10529
del fra10530
del fra10531
del fra10532
del fra10533
del fra10534
del fra10535
del fra10536
del fra10537
del fra10538
del fra10539
del fra10540
del fra10541
del fra10542
del fra10543
del fra10544
del fra10545
del fra10546
del fra10547
del fra10548
del fra10549
del fra10550
del fra10551
del fra10552
del fra10553
del fra10554
del fra10555
del fra10556
del fra10557
del fra10558
del fra10559
del fra10560
del fra10561
del fra10562
del fra10563
del fra10564
del fra10565
del fra10566
del fra10567
del fra10568
del fra10569
del fra10570
del fra10571
del fra10572
del fra10573
del fra10574
del fra10575
del fra10576
del fra10577
del fra10578
del fra10579
del fra10580
del fra10581
del fra10582
del fra10583
del fra10584
del fra10585
del fra10586
del fra10587
del fra10588
del fra10589
del fra10590
del fra10591
del fra10592
del fra10593
del fra10594
del fra10595
del fra10596
del fra10597
del fra10598
del fra10599
del fra10600
del fra10601
del fra10602
del fra10603
del fra10604
del fra10605
del fra10606
del fra10607
del fra10608
del fra10609
del fra10610
del fra10611
del fra10612
del fra10613
del fra10614
del fra10615
del fra10616
del fra10617
del fra10618
del fra10619
del fra10620
del fra10621
del fra10622
del fra10623
del fra10624
del fra10625
del fra10626
del fra10627
del fra10628
del fra10629
del fra10630
del fra10631
del fra10632
del fra10633
del fra10634
del fra10635
del fra10636
del fra10637
del fra10638
del fra10639
del fra10640
del fra10641
del fra10642
del fra10643
del fra10644
del fra10645
del fra10646
del fra10647
del fra10648
del fra10649
del fra10650
del fra10651
del fra10652
del fra10653
del fra10654
del fra10655
del fra10656
del fra10657
del fra10658
del fra10659
del fra10660
del fra10661
del fra10662
del fra10663
del fra10664
del fra10665
del fra10666
del fra10667
del fra10668
del fra10669
del fra10670
del fra10671
del fra10672
del fra10673
del fra10674
del fra10675
del fra10676
del fra10677
del fra10678
del fra10679
del fra10680
del fra10681
del fra10682
del fra10683
del fra10684
del fra10685
del fra10686
del fra10687
del fra10688
del fra10689
del fra10690
del fra10691
del fra10692
del fra10693
del fra10694
del fra10695
del fra10696
del fra10697
del fra10698
del fra10699
del fra10700
del fra10701
del fra10702
del fra10703
del fra10704
del fra10705
del fra10706
del fra10707
del fra10708
del fra10709
del fra10710
del fra10711
del fra10712
del fra10713
del fra10714
del fra10715
del fra10716
del fra10717
del fra10718
del fra10719
del fra10720
del fra10721
del fra10722
del fra10723
del fra10724
del fra10725
del fra10726
del fra10727
del fra10728
del fra10729
del fra10730
del fra10731
del fra10732
del fra10733
del fra10734
del fra10735
del fra10736
del fra10737
del fra10738
del fra10739
del fra10740
del fra10741
del fra10742
del fra10743
del fra10744
del fra10745
del fra10746
del fra10747
del fra10748
del fra10749
del fra10750
del fra10751
del fra10752
del fra10753
del fra10754
del fra10755
del fra10756
del fra10757
del fra10758
del fra10759
del fra10760
del fra10761
del fra10762
del fra10763
del fra10764
del fra10765
del fra10766
del fra10767
del fra10768
del fra10769
del fra10770
del fra10771
del fra10772
del fra10773
del fra10774
del fra10775
del fra10776
del fra10777
del fra10778
del fra10779
del fra10780
del fra10781
del fra10782
del fra10783
del fra10784
del fra10785
del fra10786
del fra10787
del fra10788
del fra10789
del fra10790
del fra10791
del fra10792
del fra10793
del fra10794
del fra10795
del fra10796
del fra10797
del fra10798
del fra10799
del fra10800
del fra10801
del fra10802
del fra10803
del fra10804
del fra10805
del fra10806
del fra10807
del fra10808
del fra10809
del fra10810
del fra10811
del fra10812
del fra10813
del fra10814
del fra10815
del fra10816
del fra10817
del fra10818
del fra10819
del fra10820
del fra10821
del fra10822
del fra10823
del fra10824
del fra10825
del fra10826
del fra10827
del fra10828
del fra10829
del fra10830
del fra10831
del fra10832
del fra10833
del fra10834
del fra10835
del fra10836
del fra10837
del fra10838
del fra10839
del fra10840
del fra10841
del fra10842
del fra10843
del fra10844
del fra10845
del fra10846
del fra10847
del fra10848
del fra10849
del fra10850
del fra10851
del fra10852
del fra10853
del fra10854
del fra10855
del fra10856
del fra10857
del fra10858
del fra10859
del fra10860
del fra10861
del fra10862
del fra10863
del fra10864
del fra10865
del fra10866
del fra10867
del fra10868
del fra10869
del fra10870
del fra10871
del fra10872
del fra10873
del fra10874
del fra10875
del fra10876
del fra10877
del fra10878
del fra10879
del fra10880
del fra10881
del fra10882
del fra10883
del fra10884
del fra10885
del fra10886
del fra10887
del fra10888
del fra10889
del fra10890
del fra10891
del fra10892
del fra10893
del fra10894
del fra10895
del fra10896
del fra10897
del fra10898
del fra10899
del fra10900
del fra10901
del fra10902
del fra10903
del fra10904
del fra10905
del fra10906
del fra10907
del fra10908
del fra10909
del fra10910
del fra10911
del fra10912
del fra10913
del fra10914
del fra10915
del fra10916
del fra10917
del fra10918
del fra10919
del fra10920
del fra10921
del fra10922
del fra10923
del fra10924
del fra10925
del fra10926
del fra10927
del fra10928
del fra10929
del fra10930
del fra10931
del fra10932
del fra10933
del fra10934
del fra10935
del fra10936
del fra10937
del fra10938
del fra10939
del fra10940
del fra10941
del fra10942
del fra10943
del fra10944
del fra10945
del fra10946
del fra10947
del fra10948
del fra10949
del fra10950
del fra10951
del fra10952
del fra10953
del fra10954
del fra10955
del fra10956
del fra10957
del fra10958
del fra10959
del fra10960
del fra10961
del fra10962
del fra10963
del fra10964
del fra10965
del fra10966
del fra10967
del fra10968
del fra10969
del fra10970
del fra10971
del fra10972
del fra10973
del fra10974
del fra10975
del fra10976
del fra10977
del fra10978
del fra10979
del fra10980
del fra10981
del fra10982
del fra10983
del fra10984
del fra10985
del fra10986
del fra10987
del fra10988
del fra10989
del fra10990
del fra10991
del fra10992
del fra10993
del fra10994
del fra10995
del fra10996
del fra10997
del fra10998
del fra10999
del fra11000
del fra11001
del fra11002
del fra11003
del fra11004
del fra11005
del fra11006
del fra11007
del fra11008
del fra11009
del fra11010
del fra11011
del fra11012
del fra11013
del fra11014
del fra11015
del fra11016
del fra11017
del fra11018
del fra11019
del fra11020
del fra11021
del fra11022
del fra11023
del fra11024
del fra11025
del fra11026
del fra11027
del fra11028
del fra11029
del fra11030
del fra11031
del fra11032
del fra11033
del fra11034
del fra11035
del fra11036
del fra11037
del fra11038
del fra11039
del fra11040
del fra11041
del fra11042
del fra11043
del fra11044
del fra11045
del fra11046
del fra11047
del fra11048
del fra11049
del fra11050
del fra11051
del fra11052
del fra11053
del fra11054
del fra11055
del fra11056
del fra11057
del fra11058
del fra11059
del fra11060
del fra11061
del fra11062
del fra11063
del fra11064
del fra11065
del fra11066
del fra11067
del fra11068
del fra11069
del fra11070
del fra11071
del fra11072
del fra11073
del fra11074
del fra11075
del fra11076
del fra11077
del fra11078
del fra11079
del fra11080
del fra11081
del fra11082
del fra11083
del fra11084
del fra11085
del fra11086
del fra11087
del fra11088
del fra11089
del fra11090
del fra11091
del fra11092
del fra11093
del fra11094
del fra11095
del fra11096
del fra11097
del fra11098
del fra11099
del fra11100
del fra11101
del fra11102
del fra11103
del fra11104
del fra11105
del fra11106
del fra11107
del fra11108
del fra11109
del fra11110
del fra11111
del fra11112
del fra11113
del fra11114
del fra11115
del fra11116
del fra11117
del fra11118
del fra11119
del fra11120
del fra11121
del fra11122
del fra11123
del fra11124
del fra11125
del fra11126
del fra11127
del fra11128
del fra11129
del fra11130
del fra11131
del fra11132
del fra11133
del fra11134
del fra11135
del fra11136
del fra11137
del fra11138
del fra11139
del fra11140
del fra11141
del fra11142
del fra11143
del fra11144
del fra11145
del fra11146
del fra11147
del fra11148
del fra11149
del fra11150
del fra11151
del fra11152
del fra11153
del fra11154
del fra11155
del fra11156
del fra11157
del fra11158
del fra11159
del fra11160
del fra11161
del fra11162
del fra11163
del fra11164
del fra11165
del fra11166
del fra11167
del fra11168
del fra11169
del fra11170
del fra11171
del fra11172
del fra11173
del fra11174
del fra11175
del fra11176
del fra11177
del fra11178
del fra11179
del fra11180
del fra11181
del fra11182
del fra11183
del fra11184
del fra11185
del fra11186
del fra11187
del fra11188
del fra11189
del fra11190
del fra11191
del fra11192
del fra11193
del fra11194
del fra11195
del fra11196
del fra11197
del fra11198
del fra11199
del fra11200
del fra11201
del fra11202
del fra11203
del fra11204
del fra11205
del fra11206
del fra11207
del fra11208
del fra11209
del fra11210
del fra11211
del fra11212
del fra11213
del fra11214
del fra11215
del fra11216
del fra11217
del fra11218
del fra11219
del fra11220
del fra11221
del fra11222
del fra11223
del fra11224
del fra11225
del fra11226
del fra11227
del fra11228
del fra11229
del fra11230
del fra11231
del fra11232
del fra11233
del fra11234
del fra11235
del fra11236
del fra11237
del fra11238
del fra11239
del fra11240
del fra11241
del fra11242
del fra11243
del fra11244
del fra11245
del fra11246
del fra11247
del fra11248
del fra11249
del fra11250
del fra11251
del fra11252
del fra11253
del fra11254
del fra11255
del fra11256
del fra11257
del fra11258
del fra11259
del fra11260
del fra11261
del fra11262
del fra11263
del fra11264
del fra11265
del fra11266
del fra11267
del fra11268
del fra11269
del fra11270
del fra11271
del fra11272
del fra11273
del fra11274
del fra11275
del fra11276
del fra11277
del fra11278
del fra11279
del fra11280
del fra11281
del fra11282
del fra11283
del fra11284
del fra11285
del fra11286
del fra11287
del fra11288
del fra11289
del fra11290
del fra11291
del fra11292
del fra11293
del fra11294
del fra11295
del fra11296
del fra11297
del fra11298
del fra11299
del fra11300
del fra11301
del fra11302
del fra11303
del fra11304
del fra11305
del fra11306
del fra11307
del fra11308
del fra11309
del fra11310
del fra11311
del fra11312
del fra11313
del fra11314
del fra11315
del fra11316
del fra11317
del fra11318
del fra11319
del fra11320
del fra11321
del fra11322
del fra11323
del fra11324
del fra11325
del fra11326
del fra11327
del fra11328
del fra11329
del fra11330
del fra11331
del fra11332
del fra11333
del fra11334
del fra11335
del fra11336
del fra11337
del fra11338
del fra11339
del fra11340
del fra11341
del fra11342
del fra11343
del fra11344
del fra11345
del fra11346
del fra11347
del fra11348
del fra11349
del fra11350
del fra11351
del fra11352
del fra11353
del fra11354
del fra11355
del fra11356
del fra11357
del fra11358
del fra11359
del fra11360
del fra11361
del fra11362
del fra11363
del fra11364
del fra11365
del fra11366
del fra11367
del fra11368
del fra11369
del fra11370
del fra11371
del fra11372
del fra11373
del fra11374
del fra11375
del fra11376
del fra11377
del fra11378
del fra11379
del fra11380
del fra11381
del fra11382
del fra11383
del fra11384
del fra11385
del fra11386
del fra11387
del fra11388
del fra11389
del fra11390
del fra11391
del fra11392
del fra11393
del fra11394
del fra11395
del fra11396
del fra11397
del fra11398
del fra11399
del fra11400
del fra11401
del fra11402
del fra11403
del fra11404
del fra11405
del fra11406
del fra11407
del fra11408
del fra11409
del fra11410
del fra11411
del fra11412
del fra11413
del fra11414
del fra11415
del fra11416
del fra11417
del fra11418
del fra11419
del fra11420
del fra11421
del fra11422
del fra11423
del fra11424
del fra11425
del fra11426
del fra11427
del fra11428
del fra11429
del fra11430
del fra11431
del fra11432
del fra11433
del fra11434
del fra11435
del fra11436
del fra11437
del fra11438
del fra11439
del fra11440
del fra11441
del fra11442
del fra11443
del fra11444
del fra11445
del fra11446
del fra11447
del fra11448
del fra11449
del fra11450
del fra11451
del fra11452
del fra11453
del fra11454
del fra11455
del fra11456
del fra11457
del fra11458
del fra11459
del fra11460
del fra11461
del fra11462
del fra11463
del fra11464
del fra11465
del fra11466
del fra11467
del fra11468
del fra11469
del fra11470
del fra11471
del fra11472
del fra11473
del fra11474
del fra11475
del fra11476
del fra11477
del fra11478
del fra11479
del fra11480
del fra11481
del fra11482
del fra11483
del fra11484
del fra11485
del fra11486
del fra11487
del fra11488
del fra11489
del fra11490
del fra11491
del fra11492
del fra11493
del fra11494
del fra11495
del fra11496
del fra11497
del fra11498
del fra11499
del fra11500
del fra11501
del fra11502
del fra11503
del fra11504
del fra11505
del fra11506
del fra11507
del fra11508
del fra11509
del fra11510
del fra11511
del fra11512
del fra11513
del fra11514
del fra11515
del fra11516
del fra11517
del fra11518
del fra11519
del fra11520
del fra11521
del fra11522
del fra11523
del fra11524
del fra11525
del fra11526
del fra11527
del fra11528
del fra11529
del fra11530
del fra11531
del fra11532
del fra11533
del fra11534
del fra11535
del fra11536
del fra11537
del fra11538
del fra11539
del fra11540
del fra11541
del fra11542
del fra11543
del fra11544
del fra11545
del fra11546
del fra11547
del fra11548
del fra11549
del fra11550
del fra11551
del fra11552
del fra11553
del fra11554
del fra11555
del fra11556
del fra11557
del fra11558
del fra11559
del fra11560
del fra11561
del fra11562
del fra11563
del fra11564
del fra11565
del fra11566
del fra11567
del fra11568
del fra11569
del fra11570
del fra11571
del fra11572
del fra11573
del fra11574
del fra11575
del fra11576
del fra11577
del fra11578
del fra11579
del fra11580
del fra11581
del fra11582
del fra11583
del fra11584
del fra11585
del fra11586
del fra11587
del fra11588
del fra11589
del fra11590
del fra11591
del fra11592
del fra11593
del fra11594
del fra11595
del fra11596
del fra11597
del fra11598
del fra11599
del fra11600
del fra11601
del fra11602
del fra11603
del fra11604
del fra11605
del fra11606
del fra11607
del fra11608
del fra11609
del fra11610
del fra11611
del fra11612
del fra11613
del fra11614
del fra11615
del fra11616
del fra11617
del fra11618
del fra11619
del fra11620
del fra11621
del fra11622
del fra11623
del fra11624
del fra11625
del fra11626
del fra11627
del fra11628
del fra11629
del fra11630
del fra11631
del fra11632
del fra11633
del fra11634
del fra11635
del fra11636
del fra11637
del fra11638
del fra11639
del fra11640
del fra11641
del fra11642
del fra11643
del fra11644
del fra11645
del fra11646
del fra11647
del fra11648
del fra11649
del fra11650
del fra11651
del fra11652
del fra11653
del fra11654
del fra11655
del fra11656
del fra11657
del fra11658
del fra11659
del fra11660
del fra11661
del fra11662
del fra11663
del fra11664
del fra11665
del fra11666
del fra11667
del fra11668
del fra11669
del fra11670
del fra11671
del fra11672
del fra11673
del fra11674
del fra11675
del fra11676
del fra11677
del fra11678
del fra11679
del fra11680
del fra11681
del fra11682
del fra11683
del fra11684
del fra11685
del fra11686
del fra11687
del fra11688
del fra11689
del fra11690
del fra11691
del fra11692
del fra11693
del fra11694
del fra11695
del fra11696
del fra11697
del fra11698
del fra11699
del fra11700
del fra11701
del fra11702
del fra11703
del fra11704
del fra11705
del fra11706
del fra11707
del fra11708
del fra11709
del fra11710
del fra11711
del fra11712
del fra11713
del fra11714
del fra11715
del fra11716
del fra11717
del fra11718
del fra11719
del fra11720
del fra11721
del fra11722
del fra11723
del fra11724
del fra11725
del fra11726
del fra11727
del fra11728
del fra11729
del fra11730
del fra11731
del fra11732
del fra11733
del fra11734
del fra11735
del fra11736
del fra11737
del fra11738
del fra11739
del fra11740
del fra11741
del fra11742
del fra11743
del fra11744
del fra11745
del fra11746
del fra11747
del fra11748
del fra11749
del fra11750
del fra11751
del fra11752
del fra11753
del fra11754
del fra11755
del fra11756
del fra11757
del fra11758
del fra11759
del fra11760
del fra11761
del fra11762
del fra11763
del fra11764
del fra11765
del fra11766
del fra11767
del fra11768
del fra11769
del fra11770
del fra11771
del fra11772
del fra11773
del fra11774
del fra11775
del fra11776
del fra11777
del fra11778
del fra11779
del fra11780
del fra11781
del fra11782
del fra11783
del fra11784
del fra11785
del fra11786
del fra11787
del fra11788
del fra11789
del fra11790
del fra11791
del fra11792
del fra11793
del fra11794
del fra11795
del fra11796
del fra11797
del fra11798
del fra11799
del fra11800
del fra11801
del fra11802
del fra11803
del fra11804
del fra11805
del fra11806
del fra11807
del fra11808
del fra11809
del fra11810
del fra11811
del fra11812
del fra11813
del fra11814
del fra11815
del fra11816
del fra11817
del fra11818
del fra11819
del fra11820
del fra11821
del fra11822
del fra11823
del fra11824
del fra11825
del fra11826
del fra11827
del fra11828
del fra11829
del fra11830
del fra11831
del fra11832
del fra11833
del fra11834
del fra11835
del fra11836
del fra11837
del fra11838
del fra11839
del fra11840
del fra11841
del fra11842
del fra11843
del fra11844
del fra11845
del fra11846
del fra11847
del fra11848
del fra11849
del fra11850
del fra11851
del fra11852
del fra11853
del fra11854
del fra11855
del fra11856
del fra11857
del fra11858
del fra11859
del fra11860
del fra11861
del fra11862
del fra11863
del fra11864
del fra11865
del fra11866
del fra11867
del fra11868
del fra11869
del fra11870
del fra11871
del fra11872
del fra11873
del fra11874
del fra11875
del fra11876
del fra11877
del fra11878
del fra11879
del fra11880
del fra11881
del fra11882
del fra11883
del fra11884
del fra11885
del fra11886
del fra11887
del fra11888
del fra11889
del fra11890
del fra11891
del fra11892
del fra11893
del fra11894
del fra11895
del fra11896
del fra11897
del fra11898
del fra11899
del fra11900
del fra11901
del fra11902
del fra11903
del fra11904
del fra11905
del fra11906
del fra11907
del fra11908
del fra11909
del fra11910
del fra11911
del fra11912
del fra11913
del fra11914
del fra11915
del fra11916
del fra11917
del fra11918
del fra11919
del fra11920
del fra11921
del fra11922
del fra11923
del fra11924
del fra11925
del fra11926
del fra11927
del fra11928
del fra11929
del fra11930
del fra11931
del fra11932
del fra11933
del fra11934
del fra11935
del fra11936
del fra11937
del fra11938
del fra11939
del fra11940
del fra11941
del fra11942
del fra11943
del fra11944
del fra11945
del fra11946
del fra11947
del fra11948
del fra11949
del fra11950
del fra11951
del fra11952
del fra11953
del fra11954
del fra11955
del fra11956
del fra11957
del fra11958
del fra11959
del fra11960
del fra11961
del fra11962
del fra11963
del fra11964
del fra11965
del fra11966
del fra11967
del fra11968
del fra11969
del fra11970
del fra11971
del fra11972
del fra11973
del fra11974
del fra11975
del fra11976
del fra11977
del fra11978
del fra11979
del fra11980
del fra11981
del fra11982
del fra11983
del fra11984
del fra11985
del fra11986
del fra11987
del fra11988
del fra11989
del fra11990
del fra11991
del fra11992
del fra11993
del fra11994
del fra11995
del fra11996
del fra11997
del fra11998
del fra11999
del fra12000
del fra12001
del fra12002
del fra12003
del fra12004
del fra12005
del fra12006
del fra12007
del fra12008
del fra12009
del fra12010
del fra12011
del fra12012
del fra12013
del fra12014
del fra12015
del fra12016
del fra12017
del fra12018
del fra12019
del fra12020
del fra12021
del fra12022
del fra12023
del fra12024
del fra12025
del fra12026
del fra12027
del fra12028
del fra12029
del fra12030
del fra12031
del fra12032
del fra12033
del fra12034
del fra12035
del fra12036
del fra12037
del fra12038
del fra12039
del fra12040
del fra12041
del fra12042
del fra12043
del fra12044
del fra12045
del fra12046
del fra12047
del fra12048
del fra12049
del fra12050
del fra12051
del fra12052
del fra12053
del fra12054
del fra12055
del fra12056
del fra12057
del fra12058
del fra12059
del fra12060
del fra12061
del fra12062
del fra12063
del fra12064
del fra12065
del fra12066
del fra12067
del fra12068
del fra12069
del fra12070
del fra12071
del fra12072
del fra12073
del fra12074
del fra12075
del fra12076
del fra12077
del fra12078
del fra12079
del fra12080
del fra12081
del fra12082
del fra12083
del fra12084
del fra12085
del fra12086
del fra12087
del fra12088
del fra12089
del fra12090
del fra12091
del fra12092
del fra12093
del fra12094
del fra12095
del fra12096
del fra12097
del fra12098
del fra12099
del fra12100
del fra12101
del fra12102
del fra12103
del fra12104
del fra12105
del fra12106
del fra12107
del fra12108
del fra12109
del fra12110
del fra12111
del fra12112
del fra12113
del fra12114
del fra12115
del fra12116
del fra12117
del fra12118
del fra12119
del fra12120
del fra12121
del fra12122
del fra12123
del fra12124
del fra12125
del fra12126
del fra12127
del fra12128
del fra12129
del fra12130
del fra12131
del fra12132
del fra12133
del fra12134
del fra12135
del fra12136
del fra12137
del fra12138
del fra12139
del fra12140
del fra12141
del fra12142
del fra12143
del fra12144
del fra12145
del fra12146
del fra12147
del fra12148
del fra12149
del fra12150
del fra12151
del fra12152
del fra12153
del fra12154
del fra12155
del fra12156
del fra12157
del fra12158
del fra12159
del fra12160
del fra12161
del fra12162
del fra12163
del fra12164
del fra12165
del fra12166
del fra12167
del fra12168
del fra12169
del fra12170
del fra12171
del fra12172
del fra12173
del fra12174
del fra12175
del fra12176
del fra12177
del fra12178
del fra12179
del fra12180
del fra12181
del fra12182
del fra12183
del fra12184
del fra12185
del fra12186
del fra12187
del fra12188
del fra12189
del fra12190
del fra12191
del fra12192
del fra12193
del fra12194
del fra12195
del fra12196
del fra12197
del fra12198
del fra12199
del fra12200
del fra12201
del fra12202
del fra12203
del fra12204
del fra12205
del fra12206
del fra12207
del fra12208
del fra12209
del fra12210
del fra12211
del fra12212
del fra12213
del fra12214
del fra12215
del fra12216
del fra12217
del fra12218
del fra12219
del fra12220
del fra12221
del fra12222
del fra12223
del fra12224
del fra12225
del fra12226
del fra12227
del fra12228
del fra12229
del fra12230
del fra12231
del fra12232
del fra12233
del fra12234
del fra12235
del fra12236
del fra12237
del fra12238
del fra12239
del fra12240
del fra12241
del fra12242
del fra12243
del fra12244
del fra12245
del fra12246
del fra12247
del fra12248
del fra12249
del fra12250
del fra12251
del fra12252
del fra12253
del fra12254
del fra12255
del fra12256
del fra12257
del fra12258
del fra12259
del fra12260
del fra12261
del fra12262
del fra12263
del fra12264
del fra12265
del fra12266
del fra12267
del fra12268
del fra12269
del fra12270
del fra12271
del fra12272
del fra12273
del fra12274
del fra12275
del fra12276
del fra12277
del fra12278
del fra12279
del fra12280
del fra12281
del fra12282
del fra12283
del fra12284
del fra12285
del fra12286
del fra12287
del fra12288
del fra12289
del fra12290
del fra12291
del fra12292
del fra12293
del fra12294
del fra12295
del fra12296
del fra12297
del fra12298
del fra12299
del fra12300
del fra12301
del fra12302
del fra12303
del fra12304
del fra12305
del fra12306
del fra12307
del fra12308
del fra12309
del fra12310
del fra12311
del fra12312
del fra12313
del fra12314
del fra12315
del fra12316
del fra12317
del fra12318
del fra12319
del fra12320
del fra12321
del fra12322
del fra12323
del fra12324
del fra12325
del fra12326
del fra12327
del fra12328
del fra12329
del fra12330
del fra12331
del fra12332
del fra12333
del fra12334
del fra12335
del fra12336
del fra12337
del fra12338
del fra12339
del fra12340
del fra12341
del fra12342
del fra12343
del fra12344
del fra12345
del fra12346
del fra12347
del fra12348
del fra12349
del fra12350
del fra12351
del fra12352
del fra12353
del fra12354
del fra12355
del fra12356
del fra12357
del fra12358
del fra12359
del fra12360
del fra12361
del fra12362
del fra12363
del fra12364
del fra12365
del fra12366
del fra12367
del fra12368
del fra12369
del fra12370
del fra12371
del fra12372
del fra12373
del fra12374
del fra12375
del fra12376
del fra12377
del fra12378
del fra12379
del fra12380
del fra12381
del fra12382
del fra12383
del fra12384
del fra12385
del fra12386
del fra12387
del fra12388
del fra12389
del fra12390
del fra12391
del fra12392
del fra12393
del fra12394
del fra12395
del fra12396
del fra12397
del fra12398
del fra12399
del fra12400
del fra12401
del fra12402
del fra12403
del fra12404
del fra12405
del fra12406
del fra12407
del fra12408
del fra12409
del fra12410
del fra12411
del fra12412
del fra12413
del fra12414
del fra12415
del fra12416
del fra12417
del fra12418
del fra12419
del fra12420
del fra12421
del fra12422
del fra12423
del fra12424
del fra12425
del fra12426
del fra12427
del fra12428
del fra12429
del fra12430
del fra12431
del fra12432
del fra12433
del fra12434
del fra12435
del fra12436
del fra12437
del fra12438
del fra12439
del fra12440
del fra12441
del fra12442
del fra12443
del fra12444
del fra12445
del fra12446
del fra12447
del fra12448
del fra12449
del fra12450
del fra12451
del fra12452
del fra12453
del fra12454
del fra12455
del fra12456
del fra12457
del fra12458
del fra12459
del fra12460
del fra12461
del fra12462
del fra12463
del fra12464
del fra12465
del fra12466
del fra12467
del fra12468
del fra12469
del fra12470
del fra12471
del fra12472
del fra12473
del fra12474
del fra12475
del fra12476
del fra12477
del fra12478
del fra12479
del fra12480
del fra12481
del fra12482
del fra12483
del fra12484
del fra12485
del fra12486
del fra12487
del fra12488
del fra12489
del fra12490
del fra12491
del fra12492
del fra12493
del fra12494
del fra12495
del fra12496
del fra12497
del fra12498
del fra12499
del fra12500
del fra12501
del fra12502
del fra12503
del fra12504
del fra12505
del fra12506
del fra12507
del fra12508
del fra12509
del fra12510
del fra12511
del fra12512
del fra12513
del fra12514
del fra12515
del fra12516
del fra12517
del fra12518
del fra12519
del fra12520
del fra12521
del fra12522
del fra12523
del fra12524
del fra12525
del fra12526
del fra12527
del fra12528
del fra12529
del fra12530
del fra12531
del fra12532
del fra12533
del fra12534
del fra12535
del fra12536
del fra12537
del fra12538
del fra12539
del fra12540
del fra12541
del fra12542
del fra12543
del fra12544
del fra12545
del fra12546
del fra12547
del fra12548
del fra12549
del fra12550
del fra12551
del fra12552
del fra12553
del fra12554
del fra12555
del fra12556
del fra12557
del fra12558
del fra12559
del fra12560
del fra12561
del fra12562
del fra12563
del fra12564
del fra12565
del fra12566
del fra12567
del fra12568
del fra12569
del fra12570
del fra12571
del fra12572
del fra12573
del fra12574
del fra12575
del fra12576
del fra12577
del fra12578
del fra12579
del fra12580
del fra12581
del fra12582
del fra12583
del fra12584
del fra12585
del fra12586
del fra12587
del fra12588
del fra12589
del fra12590
del fra12591
del fra12592
del fra12593
del fra12594
del fra12595
del fra12596
del fra12597
del fra12598
del fra12599
del fra12600
del fra12601
del fra12602
del fra12603
del fra12604
del fra12605
del fra12606
del fra12607
del fra12608
del fra12609
del fra12610
del fra12611
del fra12612
del fra12613
del fra12614
del fra12615
del fra12616
del fra12617
del fra12618
del fra12619
del fra12620
del fra12621
del fra12622
del fra12623
del fra12624
del fra12625
del fra12626
del fra12627
del fra12628
del fra12629
del fra12630
del fra12631
del fra12632
del fra12633
del fra12634
del fra12635
del fra12636
del fra12637
del fra12638
del fra12639
del fra12640
del fra12641
del fra12642
del fra12643
del fra12644
del fra12645
del fra12646
del fra12647
del fra12648
del fra12649
del fra12650
del fra12651
del fra12652
del fra12653
del fra12654
del fra12655
del fra12656
del fra12657
del fra12658
del fra12659
del fra12660
del fra12661
del fra12662
del fra12663
del fra12664
del fra12665
del fra12666
del fra12667
del fra12668
del fra12669
del fra12670
del fra12671
del fra12672
del fra12673
del fra12674
del fra12675
del fra12676
del fra12677
del fra12678
del fra12679
del fra12680
del fra12681
del fra12682
del fra12683
del fra12684
del fra12685
del fra12686
del fra12687
del fra12688
del fra12689
del fra12690
del fra12691
del fra12692
del fra12693
del fra12694
del fra12695
del fra12696
del fra12697
del fra12698
del fra12699
del fra12700
del fra12701
del fra12702
del fra12703
del fra12704
del fra12705
del fra12706
del fra12707
del fra12708
del fra12709
del fra12710
del fra12711
del fra12712
del fra12713
del fra12714
del fra12715
del fra12716
del fra12717
del fra12718
del fra12719
del fra12720
del fra12721
del fra12722
del fra12723
del fra12724
del fra12725
del fra12726
del fra12727
del fra12728
del fra12729
del fra12730
del fra12731
del fra12732
del fra12733
del fra12734
del fra12735
del fra12736
del fra12737
del fra12738
del fra12739
del fra12740
del fra12741
del fra12742
del fra12743
del fra12744
del fra12745
del fra12746
del fra12747
del fra12748
del fra12749
del fra12750
del fra12751
del fra12752
del fra12753
del fra12754
del fra12755
del fra12756
del fra12757
del fra12758
del fra12759
del fra12760
del fra12761
del fra12762
del fra12763
del fra12764
del fra12765
del fra12766
del fra12767
del fra12768
del fra12769
del fra12770
del fra12771
del fra12772
del fra12773
del fra12774
del fra12775
del fra12776
del fra12777
del fra12778
del fra12779
del fra12780
del fra12781
del fra12782
del fra12783
del fra12784
del fra12785
del fra12786
del fra12787
del fra12788
del fra12789
del fra12790
del fra12791
del fra12792
del fra12793
del fra12794
del fra12795
del fra12796
del fra12797
del fra12798
del fra12799
del fra12800
del fra12801
del fra12802
del fra12803
del fra12804
del fra12805
del fra12806
del fra12807
del fra12808
del fra12809
del fra12810
del fra12811
del fra12812
del fra12813
del fra12814
del fra12815
del fra12816
del fra12817
del fra12818
del fra12819
del fra12820
del fra12821
del fra12822
del fra12823
del fra12824
del fra12825
del fra12826
del fra12827
del fra12828
del fra12829
del fra12830
del fra12831
del fra12832
del fra12833
del fra12834
del fra12835
del fra12836
del fra12837
del fra12838
del fra12839
del fra12840
del fra12841
del fra12842
del fra12843
del fra12844
del fra12845
del fra12846
del fra12847
del fra12848
del fra12849
del fra12850
del fra12851
del fra12852
del fra12853
del fra12854
del fra12855
del fra12856
del fra12857
del fra12858
del fra12859
del fra12860
del fra12861
del fra12862
del fra12863
del fra12864
del fra12865
del fra12866
del fra12867
del fra12868
del fra12869
del fra12870
del fra12871
del fra12872
del fra12873
del fra12874
del fra12875
del fra12876
del fra12877
del fra12878
del fra12879
del fra12880
del fra12881
del fra12882
del fra12883
del fra12884
del fra12885
del fra12886
del fra12887
del fra12888
del fra12889
del fra12890
del fra12891
del fra12892
del fra12893
del fra12894
del fra12895
del fra12896
del fra12897
del fra12898
del fra12899
del fra12900
del fra12901
del fra12902
del fra12903
del fra12904
del fra12905
del fra12906
del fra12907
del fra12908
del fra12909
del fra12910
del fra12911
del fra12912
del fra12913
del fra12914
del fra12915
del fra12916
del fra12917
del fra12918
del fra12919
del fra12920
del fra12921
del fra12922
del fra12923
del fra12924
del fra12925
del fra12926
del fra12927
del fra12928
del fra12929
del fra12930
del fra12931
del fra12932
del fra12933
del fra12934
del fra12935
del fra12936
del fra12937
del fra12938
del fra12939
del fra12940
del fra12941
del fra12942
del fra12943
del fra12944
del fra12945
del fra12946
del fra12947
del fra12948
del fra12949
del fra12950
del fra12951
del fra12952
del fra12953
del fra12954
del fra12955
del fra12956
del fra12957
del fra12958
del fra12959
del fra12960
del fra12961
del fra12962
del fra12963
del fra12964
del fra12965
del fra12966
del fra12967
del fra12968
del fra12969
del fra12970
del fra12971
del fra12972
del fra12973
del fra12974
del fra12975
del fra12976
del fra12977
del fra12978
del fra12979
del fra12980
del fra12981
del fra12982
del fra12983
del fra12984
del fra12985
del fra12986
del fra12987
del fra12988
del fra12989
del fra12990
del fra12991
del fra12992
del fra12993
del fra12994
del fra12995
del fra12996
del fra12997
del fra12998
del fra12999
del fra13000
del fra13001
del fra13002
del fra13003
del fra13004
del fra13005
del fra13006
del fra13007
del fra13008
del fra13009
del fra13010
del fra13011
del fra13012
del fra13013
del fra13014
del fra13015
del fra13016
del fra13017
del fra13018
del fra13019
del fra13020
del fra13021
del fra13022
del fra13023
del fra13024
del fra13025
del fra13026
del fra13027
del fra13028
del fra13029
del fra13030
del fra13031
del fra13032
del fra13033
del fra13034
del fra13035
del fra13036
del fra13037
del fra13038
del fra13039
del fra13040
del fra13041
del fra13042
del fra13043
del fra13044
del fra13045
del fra13046
del fra13047
del fra13048
del fra13049
del fra13050
del fra13051
del fra13052
del fra13053
del fra13054
del fra13055
del fra13056
del fra13057
del fra13058
del fra13059
del fra13060
del fra13061
del fra13062
del fra13063
del fra13064
del fra13065
del fra13066
del fra13067
del fra13068
del fra13069
del fra13070
del fra13071
del fra13072
del fra13073
del fra13074
del fra13075
del fra13076
del fra13077
del fra13078
del fra13079
del fra13080
del fra13081
del fra13082
del fra13083
del fra13084
del fra13085
del fra13086
del fra13087
del fra13088
del fra13089
del fra13090
del fra13091
del fra13092
del fra13093
del fra13094
del fra13095
del fra13096
del fra13097
del fra13098
del fra13099
del fra13100
del fra13101
del fra13102
del fra13103
del fra13104
del fra13105
del fra13106
del fra13107
del fra13108
del fra13109
del fra13110
del fra13111
del fra13112
del fra13113
del fra13114
del fra13115
del fra13116
del fra13117
del fra13118
del fra13119
del fra13120
del fra13121
del fra13122
del fra13123
del fra13124
del fra13125
del fra13126
del fra13127
del fra13128
del fra13129
del fra13130
del fra13131
del fra13132
del fra13133
del fra13134
del fra13135
del fra13136
del fra13137
del fra13138
del fra13139
del fra13140
del fra13141
del fra13142
del fra13143
del fra13144
del fra13145
del fra13146
del fra13147
del fra13148
del fra13149
del fra13150
del fra13151
del fra13152
del fra13153
del fra13154
del fra13155
del fra13156
del fra13157
del fra13158
del fra13159
del fra13160
del fra13161
del fra13162
del fra13163
del fra13164
del fra13165
del fra13166
del fra13167
del fra13168
del fra13169
del fra13170
del fra13171
del fra13172
del fra13173
del fra13174
del fra13175
del fra13176
del fra13177
del fra13178
del fra13179
del fra13180
del fra13181
del fra13182
del fra13183
del fra13184
del fra13185
del fra13186
del fra13187
del fra13188
del fra13189
del fra13190
del fra13191
del fra13192
del fra13193
del fra13194
del fra13195
del fra13196
del fra13197
del fra13198
del fra13199
del fra13200
del fra13201
del fra13202
del fra13203
del fra13204
del fra13205
del fra13206
del fra13207
del fra13208
del fra13209
del fra13210
del fra13211
del fra13212
del fra13213
del fra13214
del fra13215
del fra13216
del fra13217
del fra13218
del fra13219
del fra13220
del fra13221
del fra13222
del fra13223
del fra13224
del fra13225
del fra13226
del fra13227
del fra13228
del fra13229
del fra13230
del fra13231
del fra13232
del fra13233
del fra13234
del fra13235
del fra13236
del fra13237
del fra13238
del fra13239
del fra13240
del fra13241
del fra13242
del fra13243
del fra13244
del fra13245
del fra13246
del fra13247
del fra13248
del fra13249
del fra13250
del fra13251
del fra13252
del fra13253
del fra13254
del fra13255
del fra13256
del fra13257
del fra13258
del fra13259
del fra13260
del fra13261
del fra13262
del fra13263
del fra13264
del fra13265
del fra13266
del fra13267
del fra13268
del fra13269
del fra13270
del fra13271
del fra13272
del fra13273
del fra13274
del fra13275
del fra13276
del fra13277
del fra13278
del fra13279
del fra13280
del fra13281
del fra13282
del fra13283
del fra13284
del fra13285
del fra13286
del fra13287
del fra13288
del fra13289
del fra13290
del fra13291
del fra13292
del fra13293
del fra13294
del fra13295
del fra13296
del fra13297
del fra13298
del fra13299
del fra13300
del fra13301
del fra13302
del fra13303
del fra13304
del fra13305
del fra13306
del fra13307
del fra13308
del fra13309
del fra13310
del fra13311
del fra13312
del fra13313
del fra13314
del fra13315
del fra13316
del fra13317
del fra13318
del fra13319
del fra13320
del fra13321
del fra13322
del fra13323
del fra13324
del fra13325
del fra13326
del fra13327
del fra13328
del fra13329
del fra13330
del fra13331
del fra13332
del fra13333
del fra13334
del fra13335
del fra13336
del fra13337
del fra13338
del fra13339
del fra13340
del fra13341
del fra13342
del fra13343
del fra13344
del fra13345
del fra13346
del fra13347
del fra13348
del fra13349
del fra13350
del fra13351
del fra13352
del fra13353
del fra13354
del fra13355
del fra13356
del fra13357
del fra13358
del fra13359
del fra13360
del fra13361
del fra13362
del fra13363
del fra13364
del fra13365
del fra13366
del fra13367
del fra13368
del fra13369
del fra13370
del fra13371
del fra13372
del fra13373
del fra13374
del fra13375
del fra13376
del fra13377
del fra13378
del fra13379
del fra13380
del fra13381
del fra13382
del fra13383
del fra13384
del fra13385
del fra13386
del fra13387
del fra13388
del fra13389
del fra13390
del fra13391
del fra13392
del fra13393
del fra13394
del fra13395
del fra13396
del fra13397
del fra13398
del fra13399
del fra13400
del fra13401
del fra13402
del fra13403
del fra13404
del fra13405
del fra13406
del fra13407
del fra13408
del fra13409
del fra13410
del fra13411
del fra13412
del fra13413
del fra13414
del fra13415
del fra13416
del fra13417
del fra13418
del fra13419
del fra13420
del fra13421
del fra13422
del fra13423
del fra13424
del fra13425
del fra13426
del fra13427
del fra13428
del fra13429
del fra13430
del fra13431
del fra13432
del fra13433
del fra13434
del fra13435
del fra13436
del fra13437
del fra13438
del fra13439
del fra13440
del fra13441
del fra13442
del fra13443
del fra13444
del fra13445
del fra13446
del fra13447
del fra13448
del fra13449
del fra13450
del fra13451
del fra13452
del fra13453
del fra13454
del fra13455
del fra13456
del fra13457
del fra13458
del fra13459
del fra13460
del fra13461
del fra13462
del fra13463
del fra13464
del fra13465
del fra13466
del fra13467
del fra13468
del fra13469
del fra13470
del fra13471
del fra13472
del fra13473
del fra13474
del fra13475
del fra13476
del fra13477
del fra13478
del fra13479
del fra13480
del fra13481
del fra13482
del fra13483
del fra13484
del fra13485
del fra13486
del fra13487
del fra13488
del fra13489
del fra13490
del fra13491
del fra13492
del fra13493
del fra13494
del fra13495
del fra13496
del fra13497
del fra13498
del fra13499
del fra13500
del fra13501
del fra13502
del fra13503
del fra13504
del fra13505
del fra13506
del fra13507
del fra13508
del fra13509
del fra13510
del fra13511
del fra13512
del fra13513
del fra13514
del fra13515
del fra13516
del fra13517
del fra13518
del fra13519
del fra13520
del fra13521
del fra13522
del fra13523
del fra13524
del fra13525
del fra13526
del fra13527
del fra13528
del fra13529
del fra13530
del fra13531
del fra13532
del fra13533
del fra13534
del fra13535
del fra13536
del fra13537
del fra13538
del fra13539
del fra13540
del fra13541
del fra13542
del fra13543
del fra13544
del fra13545
del fra13546
del fra13547
del fra13548
del fra13549
del fra13550
del fra13551
del fra13552
del fra13553
del fra13554
del fra13555
del fra13556
del fra13557
del fra13558
del fra13559
del fra13560
del fra13561
del fra13562
del fra13563
del fra13564
del fra13565
del fra13566
del fra13567
del fra13568
del fra13569
del fra13570
del fra13571
del fra13572
del fra13573
del fra13574
del fra13575
del fra13576
del fra13577
del fra13578
del fra13579
del fra13580
del fra13581
del fra13582
del fra13583
del fra13584
del fra13585
del fra13586
del fra13587
del fra13588
del fra13589
del fra13590
del fra13591
del fra13592
del fra13593
del fra13594
del fra13595
del fra13596
del fra13597
del fra13598
del fra13599
del fra13600
del fra13601
del fra13602
del fra13603
del fra13604
del fra13605
del fra13606
del fra13607
del fra13608
del fra13609
del fra13610
del fra13611
del fra13612
del fra13613
del fra13614
del fra13615
del fra13616
del fra13617
del fra13618
del fra13619
del fra13620
del fra13621
del fra13622
del fra13623
del fra13624
del fra13625
del fra13626
del fra13627
del fra13628
del fra13629
del fra13630
del fra13631
del fra13632
del fra13633
del fra13634
del fra13635
del fra13636
del fra13637
del fra13638
del fra13639
del fra13640
del fra13641
del fra13642
del fra13643
del fra13644
del fra13645
del fra13646
del fra13647
del fra13648
del fra13649
del fra13650
del fra13651
del fra13652
del fra13653
del fra13654
del fra13655
del fra13656
del fra13657
del fra13658
del fra13659
del fra13660
del fra13661
del fra13662
del fra13663
del fra13664
del fra13665
del fra13666
del fra13667
del fra13668
del fra13669
del fra13670
del fra13671
del fra13672
del fra13673
del fra13674
del fra13675
del fra13676
del fra13677
del fra13678
del fra13679
del fra13680
del fra13681
del fra13682
del fra13683
del fra13684
del fra13685
del fra13686
del fra13687
del fra13688
del fra13689
del fra13690
del fra13691
del fra13692
del fra13693
del fra13694
del fra13695
del fra13696
del fra13697
del fra13698
del fra13699
del fra13700
del fra13701
del fra13702
del fra13703
del fra13704
del fra13705
del fra13706
del fra13707
del fra13708
del fra13709
del fra13710
del fra13711
del fra13712
del fra13713
del fra13714
del fra13715
del fra13716
del fra13717
del fra13718
del fra13719
del fra13720
del fra13721
del fra13722
del fra13723
del fra13724
del fra13725
del fra13726
del fra13727
del fra13728
del fra13729
del fra13730
del fra13731
del fra13732
del fra13733
del fra13734
del fra13735
del fra13736
del fra13737
del fra13738
del fra13739
del fra13740
del fra13741
del fra13742
del fra13743
del fra13744
del fra13745
del fra13746
del fra13747
del fra13748
del fra13749
del fra13750
del fra13751
del fra13752
del fra13753
del fra13754
del fra13755
del fra13756
del fra13757
del fra13758
del fra13759
del fra13760
del fra13761
del fra13762
del fra13763
del fra13764
del fra13765
del fra13766
del fra13767
del fra13768
del fra13769
del fra13770
del fra13771
del fra13772
del fra13773
del fra13774
del fra13775
del fra13776
del fra13777
del fra13778
del fra13779
del fra13780
del fra13781
del fra13782
del fra13783
del fra13784
del fra13785
del fra13786
del fra13787
del fra13788
del fra13789
del fra13790
del fra13791
del fra13792
del fra13793
del fra13794
del fra13795
del fra13796
del fra13797
del fra13798
del fra13799
del fra13800
del fra13801
del fra13802
del fra13803
del fra13804
del fra13805
del fra13806
del fra13807
del fra13808
del fra13809
del fra13810
del fra13811
del fra13812
del fra13813
del fra13814
del fra13815
del fra13816
del fra13817
del fra13818
del fra13819
del fra13820
del fra13821
del fra13822
del fra13823
del fra13824
del fra13825
del fra13826
del fra13827
del fra13828
del fra13829
del fra13830
del fra13831
del fra13832
del fra13833
del fra13834
del fra13835
del fra13836
del fra13837
del fra13838
del fra13839
del fra13840
del fra13841
del fra13842
del fra13843
del fra13844
del fra13845
del fra13846
del fra13847
del fra13848
del fra13849
del fra13850
del fra13851
del fra13852
del fra13853
del fra13854
del fra13855
del fra13856
del fra13857
del fra13858
del fra13859
del fra13860
del fra13861
del fra13862
del fra13863
del fra13864
del fra13865
del fra13866
del fra13867
del fra13868
del fra13869
del fra13870
del fra13871
del fra13872
del fra13873
del fra13874
del fra13875
del fra13876
del fra13877
del fra13878
del fra13879
del fra13880
del fra13881
del fra13882
del fra13883
del fra13884
del fra13885
del fra13886
del fra13887
del fra13888
del fra13889
del fra13890
del fra13891
del fra13892
del fra13893
del fra13894
del fra13895
del fra13896
del fra13897
del fra13898
del fra13899
del fra13900
del fra13901
del fra13902
del fra13903
del fra13904
del fra13905
del fra13906
del fra13907
del fra13908
del fra13909
del fra13910
del fra13911
del fra13912
del fra13913
del fra13914
del fra13915
del fra13916
del fra13917
del fra13918
del fra13919
del fra13920
del fra13921
del fra13922
del fra13923
del fra13924
del fra13925
del fra13926
del fra13927
del fra13928
del fra13929
del fra13930
del fra13931
del fra13932
del fra13933
del fra13934
del fra13935
del fra13936
del fra13937
del fra13938
del fra13939
del fra13940
del fra13941
del fra13942
del fra13943
del fra13944
del fra13945
del fra13946
del fra13947
del fra13948
del fra13949
del fra13950
del fra13951
del fra13952
del fra13953
del fra13954
del fra13955
del fra13956
del fra13957
del fra13958
del fra13959
del fra13960
del fra13961
del fra13962
del fra13963
del fra13964
del fra13965
del fra13966
del fra13967
del fra13968
del fra13969
del fra13970
del fra13971
del fra13972
del fra13973
del fra13974
del fra13975
del fra13976
del fra13977
del fra13978
del fra13979
del fra13980
del fra13981
del fra13982
del fra13983
del fra13984
del fra13985
del fra13986
del fra13987
del fra13988
del fra13989
del fra13990
del fra13991
del fra13992
del fra13993
del fra13994
del fra13995
del fra13996
del fra13997
del fra13998
del fra13999
del fra14000
del fra14001
del fra14002
del fra14003
del fra14004
del fra14005
del fra14006
del fra14007
del fra14008
del fra14009
del fra14010
del fra14011
del fra14012
del fra14013
del fra14014
del fra14015
del fra14016
del fra14017
del fra14018
del fra14019
del fra14020
del fra14021
del fra14022
del fra14023
del fra14024
del fra14025
del fra14026
del fra14027
del fra14028
del fra14029
del fra14030
del fra14031
del fra14032
del fra14033
del fra14034
del fra14035
del fra14036
del fra14037
del fra14038
del fra14039
del fra14040
del fra14041
del fra14042
del fra14043
del fra14044
del fra14045
del fra14046
del fra14047
del fra14048
del fra14049
del fra14050
del fra14051
del fra14052
del fra14053
del fra14054
del fra14055
del fra14056
del fra14057
del fra14058
del fra14059
del fra14060
del fra14061
del fra14062
del fra14063
del fra14064
del fra14065
del fra14066
del fra14067
del fra14068
del fra14069
del fra14070
del fra14071
del fra14072
del fra14073
del fra14074
del fra14075
del fra14076
del fra14077
del fra14078
del fra14079
del fra14080
del fra14081
del fra14082
del fra14083
del fra14084
del fra14085
del fra14086
del fra14087
del fra14088
del fra14089
del fra14090
del fra14091
del fra14092
del fra14093
del fra14094
del fra14095
del fra14096
del fra14097
del fra14098
del fra14099
del fra14100
del fra14101
del fra14102
del fra14103
del fra14104
del fra14105
del fra14106
del fra14107
del fra14108
del fra14109
del fra14110
del fra14111
del fra14112
del fra14113
del fra14114
del fra14115
del fra14116
del fra14117
del fra14118
del fra14119
del fra14120
del fra14121
del fra14122
del fra14123
del fra14124
del fra14125
del fra14126
del fra14127
del fra14128
del fra14129
del fra14130
del fra14131
del fra14132
del fra14133
del fra14134
del fra14135
del fra14136
del fra14137
del fra14138
del fra14139
del fra14140
del fra14141
del fra14142
del fra14143
del fra14144
del fra14145
del fra14146
del fra14147
del fra14148
del fra14149
del fra14150
del fra14151
del fra14152
del fra14153
del fra14154
del fra14155
del fra14156
del fra14157
del fra14158
del fra14159
del fra14160
del fra14161
del fra14162
del fra14163
del fra14164
del fra14165
del fra14166
del fra14167
del fra14168
del fra14169
del fra14170
del fra14171
del fra14172
del fra14173
del fra14174
del fra14175
del fra14176
del fra14177
del fra14178
del fra14179
del fra14180
del fra14181
del fra14182
del fra14183
del fra14184
del fra14185
del fra14186
del fra14187
del fra14188
del fra14189
del fra14190
del fra14191
del fra14192
del fra14193
del fra14194
del fra14195
del fra14196
del fra14197
del fra14198
del fra14199
del fra14200
del fra14201
del fra14202
del fra14203
del fra14204
del fra14205
del fra14206
del fra14207
del fra14208
del fra14209
del fra14210
del fra14211
del fra14212
del fra14213
del fra14214
del fra14215
del fra14216
del fra14217
del fra14218
del fra14219
del fra14220
del fra14221
del fra14222
del fra14223
del fra14224
del fra14225
del fra14226
del fra14227
del fra14228
del fra14229
del fra14230
del fra14231
del fra14232
del fra14233
del fra14234
del fra14235
del fra14236
del fra14237
del fra14238
del fra14239
del fra14240
del fra14241
del fra14242
del fra14243
del fra14244
del fra14245
del fra14246
del fra14247
del fra14248
del fra14249
del fra14250
del fra14251
del fra14252
del fra14253
del fra14254
del fra14255
del fra14256
del fra14257
del fra14258
del fra14259
del fra14260
del fra14261
del fra14262
del fra14263
del fra14264
del fra14265
del fra14266
del fra14267
del fra14268
del fra14269
del fra14270
del fra14271
del fra14272
del fra14273
del fra14274
del fra14275
del fra14276
del fra14277
del fra14278
del fra14279
del fra14280
del fra14281
del fra14282
del fra14283
del fra14284
del fra14285
del fra14286
del fra14287
del fra14288
del fra14289
del fra14290
del fra14291
del fra14292
del fra14293
del fra14294
del fra14295
del fra14296
del fra14297
del fra14298
del fra14299
del fra14300
del fra14301
del fra14302
del fra14303
del fra14304
del fra14305
del fra14306
del fra14307
del fra14308
del fra14309
del fra14310
del fra14311
del fra14312
del fra14313
del fra14314
del fra14315
del fra14316
del fra14317
del fra14318
del fra14319
del fra14320
del fra14321
del fra14322
del fra14323
del fra14324
del fra14325
del fra14326
del fra14327
del fra14328
del fra14329
del fra14330
del fra14331
del fra14332
del fra14333
del fra14334
del fra14335
del fra14336
del fra14337
del fra14338
del fra14339
del fra14340
del fra14341
del fra14342
del fra14343
del fra14344
del fra14345
del fra14346
del fra14347
del fra14348
del fra14349
del fra14350
del fra14351
del fra14352
del fra14353
del fra14354
del fra14355
del fra14356
del fra14357
del fra14358
del fra14359
del fra14360
del fra14361
del fra14362
del fra14363
del fra14364
del fra14365
del fra14366
del fra14367
del fra14368
del fra14369
del fra14370
del fra14371
del fra14372
del fra14373
del fra14374
del fra14375
del fra14376
del fra14377
del fra14378
del fra14379
del fra14380
del fra14381
del fra14382
del fra14383
del fra14384
del fra14385
del fra14386
del fra14387
del fra14388
del fra14389
del fra14390
del fra14391
del fra14392
del fra14393
del fra14394
del fra14395
del fra14396
del fra14397
del fra14398
del fra14399
del fra14400
del fra14401
del fra14402
del fra14403
del fra14404
del fra14405
del fra14406
del fra14407
del fra14408
del fra14409
del fra14410
del fra14411
del fra14412
del fra14413
del fra14414
del fra14415
del fra14416
del fra14417
del fra14418
del fra14419
del fra14420
del fra14421
del fra14422
del fra14423
del fra14424
del fra14425
del fra14426
del fra14427
del fra14428
del fra14429
del fra14430
del fra14431
del fra14432
del fra14433
del fra14434
del fra14435
del fra14436
del fra14437
del fra14438
del fra14439
del fra14440
del fra14441
del fra14442
del fra14443
del fra14444
del fra14445
del fra14446
del fra14447
del fra14448
del fra14449
del fra14450
del fra14451
del fra14452
del fra14453
del fra14454
del fra14455
del fra14456
del fra14457
del fra14458
del fra14459
del fra14460
del fra14461
del fra14462
del fra14463
del fra14464
del fra14465
del fra14466
del fra14467
del fra14468
del fra14469
del fra14470
del fra14471
del fra14472
del fra14473
del fra14474
del fra14475
del fra14476
del fra14477
del fra14478
del fra14479
del fra14480
del fra14481
del fra14482
del fra14483
del fra14484
del fra14485
del fra14486
del fra14487
del fra14488
del fra14489
del fra14490
del fra14491
del fra14492
del fra14493
del fra14494
del fra14495
del fra14496
del fra14497
del fra14498
del fra14499
del fra14500
del fra14501
del fra14502
del fra14503
del fra14504
del fra14505
del fra14506
del fra14507
del fra14508
del fra14509
del fra14510
del fra14511
del fra14512
del fra14513
del fra14514
del fra14515
del fra14516
del fra14517
del fra14518
del fra14519
del fra14520
del fra14521
del fra14522
del fra14523
del fra14524
del fra14525
del fra14526
del fra14527
del fra14528
del fra14529
del fra14530
del fra14531
del fra14532
del fra14533
del fra14534
del fra14535
del fra14536
del fra14537
del fra14538
del fra14539
del fra14540
del fra14541
del fra14542
del fra14543
del fra14544
del fra14545
del fra14546
del fra14547
del fra14548
del fra14549
del fra14550
del fra14551
del fra14552
del fra14553
del fra14554
del fra14555
del fra14556
del fra14557
del fra14558
del fra14559
del fra14560
del fra14561
del fra14562
del fra14563
del fra14564
del fra14565
del fra14566
del fra14567
del fra14568
del fra14569
del fra14570
del fra14571
del fra14572
del fra14573
del fra14574
del fra14575
del fra14576
del fra14577
del fra14578
del fra14579
del fra14580
del fra14581
del fra14582
del fra14583
del fra14584
del fra14585
del fra14586
del fra14587
del fra14588
del fra14589
del fra14590
del fra14591
del fra14592
del fra14593
del fra14594
del fra14595
del fra14596
del fra14597
del fra14598
del fra14599
del fra14600
del fra14601
del fra14602
del fra14603
del fra14604
del fra14605
del fra14606
del fra14607
del fra14608
del fra14609
del fra14610
del fra14611
del fra14612
del fra14613
del fra14614
del fra14615
del fra14616
del fra14617
del fra14618
del fra14619
del fra14620
del fra14621
del fra14622
del fra14623
del fra14624
del fra14625
del fra14626
del fra14627
del fra14628
del fra14629
del fra14630
del fra14631
del fra14632
del fra14633
del fra14634
del fra14635
del fra14636
del fra14637
del fra14638
del fra14639
del fra14640
del fra14641
del fra14642
del fra14643
del fra14644
del fra14645
del fra14646
del fra14647
del fra14648
del fra14649
del fra14650
del fra14651
del fra14652
del fra14653
del fra14654
del fra14655
del fra14656
del fra14657
del fra14658
del fra14659
del fra14660
del fra14661
del fra14662
del fra14663
del fra14664
del fra14665
del fra14666
del fra14667
del fra14668
del fra14669
del fra14670
del fra14671
del fra14672
del fra14673
del fra14674
del fra14675
del fra14676
del fra14677
del fra14678
del fra14679
del fra14680
del fra14681
del fra14682
del fra14683
del fra14684
del fra14685
del fra14686
del fra14687
del fra14688
del fra14689
del fra14690
del fra14691
del fra14692
del fra14693
del fra14694
del fra14695
del fra14696
del fra14697
del fra14698
del fra14699
del fra14700
del fra14701
del fra14702
del fra14703
del fra14704
del fra14705
del fra14706
del fra14707
del fra14708
del fra14709
del fra14710
del fra14711
del fra14712
del fra14713
del fra14714
del fra14715
del fra14716
del fra14717
del fra14718
del fra14719
del fra14720
del fra14721
del fra14722
del fra14723
del fra14724
del fra14725
del fra14726
del fra14727
del fra14728
del fra14729
del fra14730
del fra14731
del fra14732
del fra14733
del fra14734
del fra14735
del fra14736
del fra14737
del fra14738
del fra14739
del fra14740
del fra14741
del fra14742
del fra14743
del fra14744
del fra14745
del fra14746
del fra14747
del fra14748
del fra14749
del fra14750
del fra14751
del fra14752
del fra14753
del fra14754
del fra14755
del fra14756
del fra14757
del fra14758
del fra14759
del fra14760
del fra14761
del fra14762
del fra14763
del fra14764
del fra14765
del fra14766
del fra14767
del fra14768
del fra14769
del fra14770
del fra14771
del fra14772
del fra14773
del fra14774
del fra14775
del fra14776
del fra14777
del fra14778
del fra14779
del fra14780
del fra14781
del fra14782
del fra14783
del fra14784
del fra14785
del fra14786
del fra14787
del fra14788
del fra14789
del fra14790
del fra14791
del fra14792
del fra14793
del fra14794
del fra14795
del fra14796
del fra14797
del fra14798
del fra14799
del fra14800
del fra14801
del fra14802
del fra14803
del fra14804
del fra14805
del fra14806
del fra14807
del fra14808
del fra14809
del fra14810
del fra14811
del fra14812
del fra14813
del fra14814
del fra14815
del fra14816
del fra14817
del fra14818
del fra14819
del fra14820
del fra14821
del fra14822
del fra14823
del fra14824
del fra14825
del fra14826
del fra14827
del fra14828
del fra14829
del fra14830
del fra14831
del fra14832
del fra14833
del fra14834
del fra14835
del fra14836
del fra14837
del fra14838
del fra14839
del fra14840
del fra14841
del fra14842
del fra14843
del fra14844
del fra14845
del fra14846
del fra14847
del fra14848
del fra14849
del fra14850
del fra14851
del fra14852
del fra14853
del fra14854
del fra14855
del fra14856
del fra14857
del fra14858
del fra14859
del fra14860
del fra14861
del fra14862
del fra14863
del fra14864
del fra14865
del fra14866
del fra14867
del fra14868
del fra14869
del fra14870
del fra14871
del fra14872
del fra14873
del fra14874
del fra14875
del fra14876
del fra14877
del fra14878
del fra14879
del fra14880
del fra14881
del fra14882
del fra14883
del fra14884
del fra14885
del fra14886
del fra14887
del fra14888
del fra14889
del fra14890
del fra14891
del fra14892
del fra14893
del fra14894
del fra14895
del fra14896
del fra14897
del fra14898
del fra14899
del fra14900
del fra14901
del fra14902
del fra14903
del fra14904
del fra14905
del fra14906
del fra14907
del fra14908
del fra14909
del fra14910
del fra14911
del fra14912
del fra14913
del fra14914
del fra14915
del fra14916
del fra14917
del fra14918
del fra14919
del fra14920
del fra14921
del fra14922
del fra14923
del fra14924
del fra14925
del fra14926
del fra14927
del fra14928
del fra14929
del fra14930
del fra14931
del fra14932
del fra14933
del fra14934
del fra14935
del fra14936
del fra14937
del fra14938
del fra14939
del fra14940
del fra14941
del fra14942
del fra14943
del fra14944
del fra14945
del fra14946
del fra14947
del fra14948
del fra14949
del fra14950
del fra14951
del fra14952
del fra14953
del fra14954
del fra14955
del fra14956
del fra14957
del fra14958
del fra14959
del fra14960
del fra14961
del fra14962
del fra14963
del fra14964
del fra14965
del fra14966
del fra14967
del fra14968
del fra14969
del fra14970
del fra14971
del fra14972
del fra14973
del fra14974
del fra14975
del fra14976
del fra14977
del fra14978
del fra14979
del fra14980
del fra14981
del fra14982
del fra14983
del fra14984
del fra14985
del fra14986
del fra14987
del fra14988
del fra14989
del fra14990
del fra14991
del fra14992
del fra14993
del fra14994
del fra14995
del fra14996
del fra14997
del fra14998
del fra14999
del fra15000
del fra15001
del fra15002
del fra15003
del fra15004
del fra15005
del fra15006
del fra15007
del fra15008
del fra15009
del fra15010
del fra15011
del fra15012
del fra15013
del fra15014
del fra15015
del fra15016
del fra15017
del fra15018
del fra15019
del fra15020
del fra15021
del fra15022
del fra15023
del fra15024
del fra15025
del fra15026
del fra15027
del fra15028
del fra15029
del fra15030
del fra15031
del fra15032
del fra15033
del fra15034
del fra15035
del fra15036
del fra15037
del fra15038
del fra15039
del fra15040
del fra15041
del fra15042
del fra15043
del fra15044
del fra15045
del fra15046
del fra15047
del fra15048
del fra15049
del fra15050
del fra15051
del fra15052
del fra15053
del fra15054
del fra15055
del fra15056
del fra15057
del fra15058
del fra15059
del fra15060
del fra15061
del fra15062
del fra15063
del fra15064
del fra15065
del fra15066
del fra15067
del fra15068
del fra15069
del fra15070
del fra15071
del fra15072
del fra15073
del fra15074
del fra15075
del fra15076
del fra15077
del fra15078
del fra15079
del fra15080
del fra15081
del fra15082
del fra15083
del fra15084
del fra15085
del fra15086
del fra15087
del fra15088
del fra15089
del fra15090
del fra15091
del fra15092
del fra15093
del fra15094
del fra15095
del fra15096
del fra15097
del fra15098
del fra15099
del fra15100
del fra15101
del fra15102
del fra15103
del fra15104
del fra15105
del fra15106
del fra15107
del fra15108
del fra15109
del fra15110
del fra15111
del fra15112
del fra15113
del fra15114
del fra15115
del fra15116
del fra15117
del fra15118
del fra15119
del fra15120
del fra15121
del fra15122
del fra15123
del fra15124
del fra15125
del fra15126
del fra15127
del fra15128
del fra15129
del fra15130
del fra15131
del fra15132
del fra15133
del fra15134
del fra15135
del fra15136
del fra15137
del fra15138
del fra15139
del fra15140
del fra15141
del fra15142
del fra15143
del fra15144
del fra15145
del fra15146
del fra15147
del fra15148
del fra15149
del fra15150
del fra15151
del fra15152
del fra15153
del fra15154
del fra15155
del fra15156
del fra15157
del fra15158
del fra15159
del fra15160
del fra15161
del fra15162
del fra15163
del fra15164
del fra15165
del fra15166
del fra15167
del fra15168
del fra15169
del fra15170
del fra15171
del fra15172
del fra15173
del fra15174
del fra15175
del fra15176
del fra15177
del fra15178
del fra15179
del fra15180
del fra15181
del fra15182
del fra15183
del fra15184
del fra15185
del fra15186
del fra15187
del fra15188
del fra15189
del fra15190
del fra15191
del fra15192
del fra15193
del fra15194
del fra15195
del fra15196
del fra15197
del fra15198
del fra15199
del fra15200
del fra15201
del fra15202
del fra15203
del fra15204
del fra15205
del fra15206
del fra15207
del fra15208
del fra15209
del fra15210
del fra15211
del fra15212
del fra15213
del fra15214
del fra15215
del fra15216
del fra15217
del fra15218
del fra15219
del fra15220
del fra15221
del fra15222
del fra15223
del fra15224
del fra15225
del fra15226
del fra15227
del fra15228
del fra15229
del fra15230
del fra15231
del fra15232
del fra15233
del fra15234
del fra15235
del fra15236
del fra15237
del fra15238
del fra15239
del fra15240
del fra15241
del fra15242
del fra15243
del fra15244
del fra15245
del fra15246
del fra15247
del fra15248
del fra15249
del fra15250
del fra15251
del fra15252
del fra15253
del fra15254
del fra15255
del fra15256
del fra15257
del fra15258
del fra15259
del fra15260
del fra15261
del fra15262
del fra15263
del fra15264
del fra15265
del fra15266
del fra15267
del fra15268
del fra15269
del fra15270
del fra15271
del fra15272
del fra15273
del fra15274
del fra15275
del fra15276
del fra15277
del fra15278
del fra15279
del fra15280
del fra15281
del fra15282
del fra15283
del fra15284
del fra15285
del fra15286
del fra15287
del fra15288
del fra15289
del fra15290
del fra15291
del fra15292
del fra15293
del fra15294
del fra15295
del fra15296
del fra15297
del fra15298
del fra15299
del fra15300
del fra15301
del fra15302
del fra15303
del fra15304
del fra15305
del fra15306
del fra15307
del fra15308
del fra15309
del fra15310
del fra15311
del fra15312
del fra15313
del fra15314
del fra15315
del fra15316
del fra15317
del fra15318
del fra15319
del fra15320
del fra15321
del fra15322
del fra15323
del fra15324
del fra15325
del fra15326
del fra15327
del fra15328
del fra15329
del fra15330
del fra15331
del fra15332
del fra15333
del fra15334
del fra15335
del fra15336
del fra15337
del fra15338
del fra15339
del fra15340
del fra15341
del fra15342
del fra15343
del fra15344
del fra15345
del fra15346
del fra15347
del fra15348
del fra15349
del fra15350
del fra15351
del fra15352
del fra15353
del fra15354
del fra15355
del fra15356
del fra15357
del fra15358
del fra15359
del fra15360
del fra15361
del fra15362
del fra15363
del fra15364
del fra15365
del fra15366
del fra15367
del fra15368
del fra15369
del fra15370
del fra15371
del fra15372
del fra15373
del fra15374
del fra15375
del fra15376
del fra15377
del fra15378
del fra15379
del fra15380
del fra15381
del fra15382
del fra15383
del fra15384
del fra15385
del fra15386
del fra15387
del fra15388
del fra15389
del fra15390
del fra15391
del fra15392
del fra15393
del fra15394
del fra15395
del fra15396
del fra15397
del fra15398
del fra15399
del fra15400
del fra15401
del fra15402
del fra15403
del fra15404
del fra15405
del fra15406
del fra15407
del fra15408
del fra15409
del fra15410
del fra15411
del fra15412
del fra15413
del fra15414
del fra15415
del fra15416
del fra15417
del fra15418
del fra15419
del fra15420
del fra15421
del fra15422
del fra15423
del fra15424
del fra15425
del fra15426
del fra15427
del fra15428
del fra15429
del fra15430
del fra15431
del fra15432
del fra15433
del fra15434
del fra15435
del fra15436
del fra15437
del fra15438
del fra15439
del fra15440
del fra15441
del fra15442
del fra15443
del fra15444
del fra15445
del fra15446
del fra15447
del fra15448
del fra15449
del fra15450
del fra15451
del fra15452
del fra15453
del fra15454
del fra15455
del fra15456
del fra15457
del fra15458
del fra15459
del fra15460
del fra15461
del fra15462
del fra15463
del fra15464
del fra15465
del fra15466
del fra15467
del fra15468
del fra15469
del fra15470
del fra15471
del fra15472
del fra15473
del fra15474
del fra15475
del fra15476
del fra15477
del fra15478
del fra15479
del fra15480
del fra15481
del fra15482
del fra15483
del fra15484
del fra15485
del fra15486
del fra15487
del fra15488
del fra15489
del fra15490
del fra15491
del fra15492
del fra15493
del fra15494
del fra15495
del fra15496
del fra15497
del fra15498
del fra15499
del fra15500
del fra15501
del fra15502
del fra15503
del fra15504
del fra15505
del fra15506
del fra15507
del fra15508
del fra15509
del fra15510
del fra15511
del fra15512
del fra15513
del fra15514
del fra15515
del fra15516
del fra15517
del fra15518
del fra15519
del fra15520
del fra15521
del fra15522
del fra15523
del fra15524
del fra15525
del fra15526
del fra15527
del fra15528
del fra15529
del fra15530
del fra15531
del fra15532
del fra15533
del fra15534
del fra15535
del fra15536
del fra15537
del fra15538
del fra15539
del fra15540
del fra15541
del fra15542
del fra15543
del fra15544
del fra15545
del fra15546
del fra15547
del fra15548
del fra15549
del fra15550
del fra15551
del fra15552
del fra15553
del fra15554
del fra15555
del fra15556
del fra15557
del fra15558
del fra15559
del fra15560
del fra15561
del fra15562
del fra15563
del fra15564
del fra15565
del fra15566
del fra15567
del fra15568
del fra15569
del fra15570
del fra15571
del fra15572
del fra15573
del fra15574
del fra15575
del fra15576
del fra15577
del fra15578
del fra15579
del fra15580
del fra15581
del fra15582
del fra15583
del fra15584
del fra15585
del fra15586
del fra15587
del fra15588
del fra15589
del fra15590
del fra15591
del fra15592
del fra15593
del fra15594
del fra15595
del fra15596
del fra15597
del fra15598
del fra15599
del fra15600
del fra15601
del fra15602
del fra15603
del fra15604
del fra15605
del fra15606
del fra15607
del fra15608
del fra15609
del fra15610
del fra15611
del fra15612
del fra15613
del fra15614
del fra15615
del fra15616
del fra15617
del fra15618
del fra15619
del fra15620
del fra15621
del fra15622
del fra15623
del fra15624
del fra15625
del fra15626
del fra15627
del fra15628
del fra15629
del fra15630
del fra15631
del fra15632
del fra15633
del fra15634
del fra15635
del fra15636
del fra15637
del fra15638
del fra15639
del fra15640
del fra15641
del fra15642
del fra15643
del fra15644
del fra15645
del fra15646
del fra15647
del fra15648
del fra15649
del fra15650
del fra15651
del fra15652
del fra15653
del fra15654
del fra15655
del fra15656
del fra15657
del fra15658
del fra15659
del fra15660
del fra15661
del fra15662
del fra15663
del fra15664
del fra15665
del fra15666
del fra15667
del fra15668
del fra15669
del fra15670
del fra15671
del fra15672
del fra15673
del fra15674
del fra15675
del fra15676
del fra15677
del fra15678
del fra15679
del fra15680
del fra15681
del fra15682
del fra15683
del fra15684
del fra15685
del fra15686
del fra15687
del fra15688
del fra15689
del fra15690
del fra15691
del fra15692
del fra15693
del fra15694
del fra15695
del fra15696
del fra15697
del fra15698
del fra15699
del fra15700
del fra15701
del fra15702
del fra15703
del fra15704
del fra15705
del fra15706
del fra15707
del fra15708
del fra15709
del fra15710
del fra15711
del fra15712
del fra15713
del fra15714
del fra15715
del fra15716
del fra15717
del fra15718
del fra15719
del fra15720
del fra15721
del fra15722
del fra15723
del fra15724
del fra15725
del fra15726
del fra15727
del fra15728
del fra15729
del fra15730
del fra15731
del fra15732
del fra15733
del fra15734
del fra15735
del fra15736
del fra15737
del fra15738
del fra15739
del fra15740
del fra15741
del fra15742
del fra15743
del fra15744
del fra15745
del fra15746
del fra15747
del fra15748
del fra15749
del fra15750
del fra15751
del fra15752
del fra15753
del fra15754
del fra15755
del fra15756
del fra15757
del fra15758
del fra15759
del fra15760
del fra15761
del fra15762
del fra15763
del fra15764
del fra15765
del fra15766
del fra15767
del fra15768
del fra15769
del fra15770
del fra15771
del fra15772
del fra15773
del fra15774
del fra15775
del fra15776
del fra15777
del fra15778
del fra15779
del fra15780
del fra15781
del fra15782
del fra15783
del fra15784
del fra15785
del fra15786
del fra15787
del fra15788
del fra15789
del fra15790
del fra15791
del fra15792
del fra15793
del fra15794
del fra15795
del fra15796
del fra15797
del fra15798
del fra15799
del fra15800
del fra15801
del fra15802
del fra15803
del fra15804
del fra15805
del fra15806
del fra15807
del fra15808
del fra15809
del fra15810
del fra15811
del fra15812
del fra15813
del fra15814
del fra15815
del fra15816
del fra15817
del fra15818
del fra15819
del fra15820
del fra15821
del fra15822
del fra15823
del fra15824
del fra15825
del fra15826
del fra15827
del fra15828
del fra15829
del fra15830
del fra15831
del fra15832
del fra15833
del fra15834
del fra15835
del fra15836
del fra15837
del fra15838
del fra15839
del fra15840
del fra15841
del fra15842
del fra15843
del fra15844
del fra15845
del fra15846
del fra15847
del fra15848
del fra15849
del fra15850
del fra15851
del fra15852
del fra15853
del fra15854
del fra15855
del fra15856
del fra15857
del fra15858
del fra15859
del fra15860
del fra15861
del fra15862
del fra15863
del fra15864
del fra15865
del fra15866
del fra15867
del fra15868
del fra15869
del fra15870
del fra15871
del fra15872
del fra15873
del fra15874
del fra15875
del fra15876
del fra15877
del fra15878
del fra15879
del fra15880
del fra15881
del fra15882
del fra15883
del fra15884
del fra15885
del fra15886
del fra15887
del fra15888
del fra15889
del fra15890
del fra15891
del fra15892
del fra15893
del fra15894
del fra15895
del fra15896
del fra15897
del fra15898
del fra15899
del fra15900
del fra15901
del fra15902
del fra15903
del fra15904
del fra15905
del fra15906
del fra15907
del fra15908
del fra15909
del fra15910
del fra15911
del fra15912
del fra15913
del fra15914
del fra15915
del fra15916
del fra15917
del fra15918
del fra15919
del fra15920
del fra15921
del fra15922
del fra15923
del fra15924
del fra15925
del fra15926
del fra15927
del fra15928
del fra15929
del fra15930
del fra15931
del fra15932
del fra15933
del fra15934
del fra15935
del fra15936
del fra15937
del fra15938
del fra15939
del fra15940
del fra15941
del fra15942
del fra15943
del fra15944
del fra15945
del fra15946
del fra15947
del fra15948
del fra15949
del fra15950
del fra15951
del fra15952
del fra15953
del fra15954
del fra15955
del fra15956
del fra15957
del fra15958
del fra15959
del fra15960
del fra15961
del fra15962
del fra15963
del fra15964
del fra15965
del fra15966
del fra15967
del fra15968
del fra15969
del fra15970
del fra15971
del fra15972
del fra15973
del fra15974
del fra15975
del fra15976
del fra15977
del fra15978
del fra15979
del fra15980
del fra15981
del fra15982
del fra15983
del fra15984
del fra15985
del fra15986
del fra15987
del fra15988
del fra15989
del fra15990
del fra15991
del fra15992
del fra15993
del fra15994
del fra15995
del fra15996
del fra15997
del fra15998
del fra15999
del fra16000
del fra16001
del fra16002
del fra16003
del fra16004
del fra16005
del fra16006
del fra16007
del fra16008
del fra16009
del fra16010
del fra16011
del fra16012
del fra16013
del fra16014
del fra16015
del fra16016
del fra16017
del fra16018
del fra16019
del fra16020
del fra16021
del fra16022
del fra16023
del fra16024
del fra16025
del fra16026
del fra16027
del fra16028
del fra16029
del fra16030
del fra16031
del fra16032
del fra16033
del fra16034
del fra16035
del fra16036
del fra16037
del fra16038
del fra16039
del fra16040
del fra16041
del fra16042
del fra16043
del fra16044
del fra16045
del fra16046
del fra16047
del fra16048
del fra16049
del fra16050
del fra16051
del fra16052
del fra16053
del fra16054
del fra16055
del fra16056
del fra16057
del fra16058
del fra16059
del fra16060
del fra16061
del fra16062
del fra16063
del fra16064
del fra16065
del fra16066
del fra16067
del fra16068
del fra16069
del fra16070
del fra16071
del fra16072
del fra16073
del fra16074
del fra16075
del fra16076
del fra16077
del fra16078
del fra16079
del fra16080
del fra16081
del fra16082
del fra16083
del fra16084
del fra16085
del fra16086
del fra16087
del fra16088
del fra16089
del fra16090
del fra16091
del fra16092
del fra16093
del fra16094
del fra16095
del fra16096
del fra16097
del fra16098
del fra16099
del fra16100
del fra16101
del fra16102
del fra16103
del fra16104
del fra16105
del fra16106
del fra16107
del fra16108
del fra16109
del fra16110
del fra16111
del fra16112
del fra16113
del fra16114
del fra16115
del fra16116
del fra16117
del fra16118
del fra16119
del fra16120
del fra16121
del fra16122
del fra16123
del fra16124
del fra16125
del fra16126
del fra16127
del fra16128
del fra16129
del fra16130
del fra16131
del fra16132
del fra16133
del fra16134
del fra16135
del fra16136
del fra16137
del fra16138
del fra16139
del fra16140
del fra16141
del fra16142
del fra16143
del fra16144
del fra16145
del fra16146
del fra16147
del fra16148
del fra16149
del fra16150
del fra16151
del fra16152
del fra16153
del fra16154
del fra16155
del fra16156
del fra16157
del fra16158
del fra16159
del fra16160
del fra16161
del fra16162
del fra16163
del fra16164
del fra16165
del fra16166
del fra16167
del fra16168
del fra16169
del fra16170
del fra16171
del fra16172
del fra16173
del fra16174
del fra16175
del fra16176
del fra16177
del fra16178
del fra16179
del fra16180
del fra16181
del fra16182
del fra16183
del fra16184
del fra16185
del fra16186
del fra16187
del fra16188
del fra16189
del fra16190
del fra16191
del fra16192
del fra16193
del fra16194
del fra16195
del fra16196
del fra16197
del fra16198
del fra16199
del fra16200
del fra16201
del fra16202
del fra16203
del fra16204
del fra16205
del fra16206
del fra16207
del fra16208
del fra16209
del fra16210
del fra16211
del fra16212
del fra16213
del fra16214
del fra16215
del fra16216
del fra16217
del fra16218
del fra16219
del fra16220
del fra16221
del fra16222
del fra16223
del fra16224
del fra16225
del fra16226
del fra16227
del fra16228
del fra16229
del fra16230
del fra16231
del fra16232
del fra16233
del fra16234
del fra16235
del fra16236
del fra16237
del fra16238
del fra16239
del fra16240
del fra16241
del fra16242
del fra16243
del fra16244
del fra16245
del fra16246
del fra16247
del fra16248
del fra16249
del fra16250
del fra16251
del fra16252
del fra16253
del fra16254
del fra16255
del fra16256
del fra16257
del fra16258
del fra16259
del fra16260
del fra16261
del fra16262
del fra16263
del fra16264
del fra16265
del fra16266
del fra16267
del fra16268
del fra16269
del fra16270
del fra16271
del fra16272
del fra16273
del fra16274
del fra16275
del fra16276
del fra16277
del fra16278
del fra16279
del fra16280
del fra16281
del fra16282
del fra16283
del fra16284
del fra16285
del fra16286
del fra16287
del fra16288
del fra16289
del fra16290
del fra16291
del fra16292
del fra16293
del fra16294
del fra16295
del fra16296
del fra16297
del fra16298
del fra16299
del fra16300
del fra16301
del fra16302
del fra16303
del fra16304
del fra16305
del fra16306
del fra16307
del fra16308
del fra16309
del fra16310
del fra16311
del fra16312
del fra16313
del fra16314
del fra16315
del fra16316
del fra16317
del fra16318
del fra16319
del fra16320
del fra16321
del fra16322
del fra16323
del fra16324
del fra16325
del fra16326
del fra16327
del fra16328
del fra16329
del fra16330
del fra16331
del fra16332
del fra16333
del fra16334
del fra16335
del fra16336
del fra16337
del fra16338
del fra16339
del fra16340
del fra16341
del fra16342
del fra16343
del fra16344
del fra16345
del fra16346
del fra16347
del fra16348
del fra16349
del fra16350
del fra16351
del fra16352
del fra16353
del fra16354
del fra16355
del fra16356
del fra16357
del fra16358
del fra16359
del fra16360
del fra16361
del fra16362
del fra16363
del fra16364
del fra16365
del fra16366
del fra16367
del fra16368
del fra16369
del fra16370
del fra16371
del fra16372
del fra16373
del fra16374
del fra16375
del fra16376
del fra16377
del fra16378
del fra16379
del fra16380
del fra16381
del fra16382
del fra16383
del fra16384
del fra16385
del fra16386
del fra16387
del fra16388
del fra16389
del fra16390
del fra16391
del fra16392
del fra16393
del fra16394
del fra16395
del fra16396
del fra16397
del fra16398
del fra16399
del fra16400
del fra16401
del fra16402
del fra16403
del fra16404
del fra16405
del fra16406
del fra16407
del fra16408
del fra16409
del fra16410
del fra16411
del fra16412
del fra16413
del fra16414
del fra16415
del fra16416
del fra16417
del fra16418
del fra16419
del fra16420
del fra16421
del fra16422
del fra16423
del fra16424
del fra16425
del fra16426
del fra16427
del fra16428
del fra16429
del fra16430
del fra16431
del fra16432
del fra16433
del fra16434
del fra16435
del fra16436
del fra16437
del fra16438
del fra16439
del fra16440
del fra16441
del fra16442
del fra16443
del fra16444
del fra16445
del fra16446
del fra16447
del fra16448
del fra16449
del fra16450
del fra16451
del fra16452
del fra16453
del fra16454
del fra16455
del fra16456
del fra16457
del fra16458
del fra16459
del fra16460
del fra16461
del fra16462
del fra16463
del fra16464
del fra16465
del fra16466
del fra16467
del fra16468
del fra16469
del fra16470
del fra16471
del fra16472
del fra16473
del fra16474
del fra16475
del fra16476
del fra16477
del fra16478
del fra16479
del fra16480
del fra16481
del fra16482
del fra16483
del fra16484
del fra16485
del fra16486
del fra16487
del fra16488
del fra16489
del fra16490
del fra16491
del fra16492
del fra16493
del fra16494
del fra16495
del fra16496
del fra16497
del fra16498
del fra16499
del fra16500
del fra16501
del fra16502
del fra16503
del fra16504
del fra16505
del fra16506
del fra16507
del fra16508
del fra16509
del fra16510
del fra16511
del fra16512
del fra16513
del fra16514
del fra16515
del fra16516
del fra16517
del fra16518
del fra16519
del fra16520
del fra16521
del fra16522
del fra16523
del fra16524
del fra16525
del fra16526
del fra16527
del fra16528
del fra16529
del fra16530
del fra16531
del fra16532
del fra16533
del fra16534
del fra16535
del fra16536
del fra16537
del fra16538
del fra16539
del fra16540
del fra16541
del fra16542
del fra16543
del fra16544
del fra16545
del fra16546
del fra16547
del fra16548
del fra16549
del fra16550
del fra16551
del fra16552
del fra16553
del fra16554
del fra16555
del fra16556
del fra16557
del fra16558
del fra16559
del fra16560
del fra16561
del fra16562
del fra16563
del fra16564
del fra16565
del fra16566
del fra16567
del fra16568
del fra16569
del fra16570
del fra16571
del fra16572
del fra16573
del fra16574
del fra16575
del fra16576
del fra16577
del fra16578
del fra16579
del fra16580
del fra16581
del fra16582
del fra16583
del fra16584
del fra16585
del fra16586
del fra16587
del fra16588
del fra16589
del fra16590
del fra16591
del fra16592
del fra16593
del fra16594
del fra16595
del fra16596
del fra16597
del fra16598
del fra16599
del fra16600
del fra16601
del fra16602
del fra16603
del fra16604
del fra16605
del fra16606
del fra16607
del fra16608
del fra16609
del fra16610
del fra16611
del fra16612
del fra16613
del fra16614
del fra16615
del fra16616
del fra16617
del fra16618
del fra16619
del fra16620
del fra16621
del fra16622
del fra16623
del fra16624
del fra16625
del fra16626
del fra16627
del fra16628
del fra16629
del fra16630
del fra16631
del fra16632
del fra16633
del fra16634
del fra16635
del fra16636
del fra16637
del fra16638
del fra16639
del fra16640
del fra16641
del fra16642
del fra16643
del fra16644
del fra16645
del fra16646
del fra16647
del fra16648
del fra16649
del fra16650
del fra16651
del fra16652
del fra16653
del fra16654
del fra16655
del fra16656
del fra16657
del fra16658
del fra16659
del fra16660
del fra16661
del fra16662
del fra16663
del fra16664
del fra16665
del fra16666
del fra16667
del fra16668
del fra16669
del fra16670
del fra16671
del fra16672
del fra16673
del fra16674
del fra16675
del fra16676
del fra16677
del fra16678
del fra16679
del fra16680
del fra16681
del fra16682
del fra16683
del fra16684
del fra16685
del fra16686
del fra16687
del fra16688
del fra16689
del fra16690
del fra16691
del fra16692
del fra16693
del fra16694
del fra16695
del fra16696
del fra16697
del fra16698
del fra16699
del fra16700
del fra16701
del fra16702
del fra16703
del fra16704
del fra16705
del fra16706
del fra16707
del fra16708
del fra16709
del fra16710
del fra16711
del fra16712
del fra16713
del fra16714
del fra16715
del fra16716
del fra16717
del fra16718
del fra16719
del fra16720
del fra16721
del fra16722
del fra16723
del fra16724
del fra16725
del fra16726
del fra16727
del fra16728
del fra16729
del fra16730
del fra16731
del fra16732
del fra16733
del fra16734
del fra16735
del fra16736
del fra16737
del fra16738
del fra16739
del fra16740
del fra16741
del fra16742
del fra16743
del fra16744
del fra16745
del fra16746
del fra16747
del fra16748
del fra16749
del fra16750
del fra16751
del fra16752
del fra16753
del fra16754
del fra16755
del fra16756
del fra16757
del fra16758
del fra16759
del fra16760
del fra16761
del fra16762
del fra16763
del fra16764
del fra16765
del fra16766
del fra16767
del fra16768
del fra16769
del fra16770
del fra16771
del fra16772
del fra16773
del fra16774
del fra16775
del fra16776
del fra16777
del fra16778
del fra16779
del fra16780
del fra16781
del fra16782
del fra16783
del fra16784
del fra16785
del fra16786
del fra16787
del fra16788
del fra16789
del fra16790
del fra16791
del fra16792
del fra16793
del fra16794
del fra16795
del fra16796
del fra16797
del fra16798
del fra16799
del fra16800
del fra16801
del fra16802
del fra16803
del fra16804
del fra16805
del fra16806
del fra16807
del fra16808
del fra16809
del fra16810
del fra16811
del fra16812
del fra16813
del fra16814
del fra16815
del fra16816
del fra16817
del fra16818
del fra16819
del fra16820
del fra16821
del fra16822
del fra16823
del fra16824
del fra16825
del fra16826
del fra16827
del fra16828
del fra16829
del fra16830
del fra16831
del fra16832
del fra16833
del fra16834
del fra16835
del fra16836
del fra16837
del fra16838
del fra16839
del fra16840
del fra16841
del fra16842
del fra16843
del fra16844
del fra16845
del fra16846
del fra16847
del fra16848
del fra16849
del fra16850
del fra16851
del fra16852
del fra16853
del fra16854
del fra16855
del fra16856
del fra16857
del fra16858
del fra16859
del fra16860
del fra16861
del fra16862
del fra16863
del fra16864
del fra16865
del fra16866
del fra16867
del fra16868
del fra16869
del fra16870
del fra16871
del fra16872
del fra16873
del fra16874
del fra16875
del fra16876
del fra16877
del fra16878
del fra16879
del fra16880
del fra16881
del fra16882
del fra16883
del fra16884
del fra16885
del fra16886
del fra16887
del fra16888
del fra16889
del fra16890
del fra16891
del fra16892
del fra16893
del fra16894
del fra16895
del fra16896
del fra16897
del fra16898
del fra16899
del fra16900
del fra16901
del fra16902
del fra16903
del fra16904
del fra16905
del fra16906
del fra16907
del fra16908
del fra16909
del fra16910
del fra16911
del fra16912
del fra16913
del fra16914
del fra16915
del fra16916
del fra16917
del fra16918
del fra16919
del fra16920
del fra16921
del fra16922
del fra16923
del fra16924
del fra16925
del fra16926
del fra16927
del fra16928
del fra16929
del fra16930
del fra16931
del fra16932
del fra16933
del fra16934
del fra16935
del fra16936
del fra16937
del fra16938
del fra16939
del fra16940
del fra16941
del fra16942
del fra16943
del fra16944
del fra16945
del fra16946
del fra16947
del fra16948
del fra16949
del fra16950
del fra16951
del fra16952
del fra16953
del fra16954
del fra16955
del fra16956
del fra16957
del fra16958
del fra16959
del fra16960
del fra16961
del fra16962
del fra16963
del fra16964
del fra16965
del fra16966
del fra16967
del fra16968
del fra16969
del fra16970
del fra16971
del fra16972
del fra16973
del fra16974
del fra16975
del fra16976
del fra16977
del fra16978
del fra16979
del fra16980
del fra16981
del fra16982
del fra16983
del fra16984
del fra16985
del fra16986
del fra16987
del fra16988
del fra16989
del fra16990
del fra16991
del fra16992
del fra16993
del fra16994
del fra16995
del fra16996
del fra16997
del fra16998
del fra16999
del fra17000
del fra17001
del fra17002
del fra17003
del fra17004
del fra17005
del fra17006
del fra17007
del fra17008
del fra17009
del fra17010
del fra17011
del fra17012
del fra17013
del fra17014
del fra17015
del fra17016
del fra17017
del fra17018
del fra17019
del fra17020
del fra17021
del fra17022
del fra17023
del fra17024
del fra17025
del fra17026
del fra17027
del fra17028
del fra17029
del fra17030
del fra17031
del fra17032
del fra17033
del fra17034
del fra17035
del fra17036
del fra17037
del fra17038
del fra17039
del fra17040
del fra17041
del fra17042
del fra17043
del fra17044
del fra17045
del fra17046
del fra17047
del fra17048
del fra17049
del fra17050
del fra17051
del fra17052
del fra17053
del fra17054
del fra17055
del fra17056
del fra17057
del fra17058
del fra17059
del fra17060
del fra17061
del fra17062
del fra17063
del fra17064
del fra17065
del fra17066
del fra17067
del fra17068
del fra17069
del fra17070
del fra17071
del fra17072
del fra17073
del fra17074
del fra17075
del fra17076
del fra17077
del fra17078
del fra17079
del fra17080
del fra17081
del fra17082
del fra17083
del fra17084
del fra17085
del fra17086
del fra17087
del fra17088
del fra17089
del fra17090
del fra17091
del fra17092
del fra17093
del fra17094
del fra17095
del fra17096
del fra17097
del fra17098
del fra17099
del fra17100
del fra17101
del fra17102
del fra17103
del fra17104
del fra17105
del fra17106
del fra17107
del fra17108
del fra17109
del fra17110
del fra17111
del fra17112
del fra17113
del fra17114
del fra17115
del fra17116
del fra17117
del fra17118
del fra17119
del fra17120
del fra17121
del fra17122
del fra17123
del fra17124
del fra17125
del fra17126
del fra17127
del fra17128
del fra17129
del fra17130
del fra17131
del fra17132
del fra17133
del fra17134
del fra17135
del fra17136
del fra17137
del fra17138
del fra17139
del fra17140
del fra17141
del fra17142
del fra17143
del fra17144
del fra17145
del fra17146
del fra17147
del fra17148
del fra17149
del fra17150
del fra17151
del fra17152
del fra17153
del fra17154
del fra17155
del fra17156
del fra17157
del fra17158
del fra17159
del fra17160
del fra17161
del fra17162
del fra17163
del fra17164
del fra17165
del fra17166
del fra17167
del fra17168
del fra17169
del fra17170
del fra17171
del fra17172
del fra17173
del fra17174
del fra17175
del fra17176
del fra17177
del fra17178
del fra17179
del fra17180
del fra17181
del fra17182
del fra17183
del fra17184
del fra17185
del fra17186
del fra17187
del fra17188
del fra17189
del fra17190
del fra17191
del fra17192
del fra17193
del fra17194
del fra17195
del fra17196
del fra17197
del fra17198
del fra17199
del fra17200
del fra17201
del fra17202
del fra17203
del fra17204
del fra17205
del fra17206
del fra17207
del fra17208
del fra17209
del fra17210
del fra17211
del fra17212
del fra17213
del fra17214
del fra17215
del fra17216
del fra17217
del fra17218
del fra17219
del fra17220
del fra17221
del fra17222
del fra17223
del fra17224
del fra17225
del fra17226
del fra17227
del fra17228
del fra17229
del fra17230
del fra17231
del fra17232
del fra17233
del fra17234
del fra17235
del fra17236
del fra17237
del fra17238
del fra17239
del fra17240
del fra17241
del fra17242
del fra17243
del fra17244
del fra17245
del fra17246
del fra17247
del fra17248
del fra17249
del fra17250
del fra17251
del fra17252
del fra17253
del fra17254
del fra17255
del fra17256
del fra17257
del fra17258
del fra17259
del fra17260
del fra17261
del fra17262
del fra17263
del fra17264
del fra17265
del fra17266
del fra17267
del fra17268
del fra17269
del fra17270
del fra17271
del fra17272
del fra17273
del fra17274
del fra17275
del fra17276
del fra17277
del fra17278
del fra17279
del fra17280
del fra17281
del fra17282
del fra17283
del fra17284
del fra17285
del fra17286
del fra17287
del fra17288
del fra17289
del fra17290
del fra17291
del fra17292
del fra17293
del fra17294
del fra17295
del fra17296
del fra17297
del fra17298
del fra17299
del fra17300
del fra17301
del fra17302
del fra17303
del fra17304
del fra17305
del fra17306
del fra17307
del fra17308
del fra17309
del fra17310
del fra17311
del fra17312
del fra17313
del fra17314
del fra17315
del fra17316
del fra17317
del fra17318
del fra17319
del fra17320
del fra17321
del fra17322
del fra17323
del fra17324
del fra17325
del fra17326
del fra17327
del fra17328
del fra17329
del fra17330
del fra17331
del fra17332
del fra17333
del fra17334
del fra17335
del fra17336
del fra17337
del fra17338
del fra17339
del fra17340
del fra17341
del fra17342
del fra17343
del fra17344
del fra17345
del fra17346
del fra17347
del fra17348
del fra17349
del fra17350
del fra17351
del fra17352
del fra17353
del fra17354
del fra17355
del fra17356
del fra17357
del fra17358
del fra17359
del fra17360
del fra17361
del fra17362
del fra17363
del fra17364
del fra17365
del fra17366
del fra17367
del fra17368
del fra17369
del fra17370
del fra17371
del fra17372
del fra17373
del fra17374
del fra17375
del fra17376
del fra17377
del fra17378
del fra17379
del fra17380
del fra17381
del fra17382
del fra17383
del fra17384
del fra17385
del fra17386
del fra17387
del fra17388
del fra17389
del fra17390
del fra17391
del fra17392
del fra17393
del fra17394
del fra17395
del fra17396
del fra17397
del fra17398
del fra17399
del fra17400
del fra17401
del fra17402
del fra17403
del fra17404
del fra17405
del fra17406
del fra17407
del fra17408
del fra17409
del fra17410
del fra17411
del fra17412
del fra17413
del fra17414
del fra17415
del fra17416
del fra17417
del fra17418
del fra17419
del fra17420
del fra17421
del fra17422
del fra17423
del fra17424
del fra17425
del fra17426
del fra17427
del fra17428
del fra17429
del fra17430
del fra17431
del fra17432
del fra17433
del fra17434
del fra17435
del fra17436
del fra17437
del fra17438
del fra17439
del fra17440
del fra17441
del fra17442
del fra17443
del fra17444
del fra17445
del fra17446
del fra17447
del fra17448
del fra17449
del fra17450
del fra17451
del fra17452
del fra17453
del fra17454
del fra17455
del fra17456
del fra17457
del fra17458
del fra17459
del fra17460
del fra17461
del fra17462
del fra17463
del fra17464
del fra17465
del fra17466
del fra17467
del fra17468
del fra17469
del fra17470
del fra17471
del fra17472
del fra17473
del fra17474
del fra17475
del fra17476
del fra17477
del fra17478
del fra17479
del fra17480
del fra17481
del fra17482
del fra17483
del fra17484
del fra17485
del fra17486
del fra17487
del fra17488
del fra17489
del fra17490
del fra17491
del fra17492
del fra17493
del fra17494
del fra17495
del fra17496
del fra17497
del fra17498
del fra17499
del fra17500
del fra17501
del fra17502
del fra17503
del fra17504
del fra17505
del fra17506
del fra17507
del fra17508
del fra17509
del fra17510
del fra17511
del fra17512
del fra17513
del fra17514
del fra17515
del fra17516
del fra17517
del fra17518
del fra17519
del fra17520
del fra17521
del fra17522
del fra17523
del fra17524
del fra17525
del fra17526
del fra17527
del fra17528
del fra17529
del fra17530
del fra17531
del fra17532
del fra17533
del fra17534
del fra17535
del fra17536
del fra17537
del fra17538
del fra17539
del fra17540
del fra17541
del fra17542
del fra17543
del fra17544
del fra17545
del fra17546
del fra17547
del fra17548
del fra17549
del fra17550
del fra17551
del fra17552
del fra17553
del fra17554
del fra17555
del fra17556
del fra17557
del fra17558
del fra17559
del fra17560
del fra17561
del fra17562
del fra17563
del fra17564
del fra17565
del fra17566
del fra17567
del fra17568
del fra17569
del fra17570
del fra17571
del fra17572
del fra17573
del fra17574
del fra17575
del fra17576
del fra17577
del fra17578
del fra17579
del fra17580
del fra17581
del fra17582
del fra17583
del fra17584
del fra17585
del fra17586
del fra17587
del fra17588
del fra17589
del fra17590
del fra17591
del fra17592
del fra17593
del fra17594
del fra17595
del fra17596
del fra17597
del fra17598
del fra17599
del fra17600
del fra17601
del fra17602
del fra17603
del fra17604
del fra17605
del fra17606
del fra17607
del fra17608
del fra17609
del fra17610
del fra17611
del fra17612
del fra17613
del fra17614
del fra17615
del fra17616
del fra17617
del fra17618
del fra17619
del fra17620
del fra17621
del fra17622
del fra17623
del fra17624
del fra17625
del fra17626
del fra17627
del fra17628
del fra17629
del fra17630
del fra17631
del fra17632
del fra17633
del fra17634
del fra17635
del fra17636
del fra17637
del fra17638
del fra17639
del fra17640
del fra17641
del fra17642
del fra17643
del fra17644
del fra17645
del fra17646
del fra17647
del fra17648
del fra17649
del fra17650
del fra17651
del fra17652
del fra17653
del fra17654
del fra17655
del fra17656
del fra17657
del fra17658
del fra17659
del fra17660
del fra17661
del fra17662
del fra17663
del fra17664
del fra17665
del fra17666
del fra17667
del fra17668
del fra17669
del fra17670
del fra17671
del fra17672
del fra17673
del fra17674
del fra17675
del fra17676
del fra17677
del fra17678
del fra17679
del fra17680
del fra17681
del fra17682
del fra17683
del fra17684
del fra17685
del fra17686
del fra17687
del fra17688
del fra17689
del fra17690
del fra17691
del fra17692
del fra17693
del fra17694
del fra17695
del fra17696
del fra17697
del fra17698
del fra17699
del fra17700
del fra17701
del fra17702
del fra17703
del fra17704
del fra17705
del fra17706
del fra17707
del fra17708
del fra17709
del fra17710
del fra17711
del fra17712
del fra17713
del fra17714
del fra17715
del fra17716
del fra17717
del fra17718
del fra17719
del fra17720
del fra17721
del fra17722
del fra17723
del fra17724
del fra17725
del fra17726
del fra17727
del fra17728
del fra17729
del fra17730
del fra17731
del fra17732
del fra17733
del fra17734
del fra17735
del fra17736
del fra17737
del fra17738
del fra17739
del fra17740
del fra17741
del fra17742
del fra17743
del fra17744
del fra17745
del fra17746
del fra17747
del fra17748
del fra17749
del fra17750
del fra17751
del fra17752
del fra17753
del fra17754
del fra17755
del fra17756
del fra17757
del fra17758
del fra17759
del fra17760
del fra17761
del fra17762
del fra17763
del fra17764
del fra17765
del fra17766
del fra17767
del fra17768
del fra17769
del fra17770
del fra17771
del fra17772
del fra17773
del fra17774
del fra17775
del fra17776
del fra17777
del fra17778
del fra17779
del fra17780
del fra17781
del fra17782
del fra17783
del fra17784
del fra17785
del fra17786
del fra17787
del fra17788
del fra17789
del fra17790
del fra17791
del fra17792
del fra17793
del fra17794
del fra17795
del fra17796
del fra17797
del fra17798
del fra17799
del fra17800
del fra17801
del fra17802
del fra17803
del fra17804
del fra17805
del fra17806
del fra17807
del fra17808
del fra17809
del fra17810
del fra17811
del fra17812
del fra17813
del fra17814
del fra17815
del fra17816
del fra17817
del fra17818
del fra17819
del fra17820
del fra17821
del fra17822
del fra17823
del fra17824
del fra17825
del fra17826
del fra17827
del fra17828
del fra17829
del fra17830
del fra17831
del fra17832
del fra17833
del fra17834
del fra17835
del fra17836
del fra17837
del fra17838
del fra17839
del fra17840
del fra17841
del fra17842
del fra17843
del fra17844
del fra17845
del fra17846
del fra17847
del fra17848
del fra17849
del fra17850
del fra17851
del fra17852
del fra17853
del fra17854
del fra17855
del fra17856
del fra17857
del fra17858
del fra17859
del fra17860
del fra17861
del fra17862
del fra17863
del fra17864
del fra17865
del fra17866
del fra17867
del fra17868
del fra17869
del fra17870
del fra17871
del fra17872
del fra17873
del fra17874
del fra17875
del fra17876
del fra17877
del fra17878
del fra17879
del fra17880
del fra17881
del fra17882
del fra17883
del fra17884
del fra17885
del fra17886
del fra17887
del fra17888
del fra17889
del fra17890
del fra17891
del fra17892
del fra17893
del fra17894
del fra17895
del fra17896
del fra17897
del fra17898
del fra17899
del fra17900
del fra17901
del fra17902
del fra17903
del fra17904
del fra17905
del fra17906
del fra17907
del fra17908
del fra17909
del fra17910
del fra17911
del fra17912
del fra17913
del fra17914
del fra17915
del fra17916
del fra17917
del fra17918
del fra17919
del fra17920
del fra17921
del fra17922
del fra17923
del fra17924
del fra17925
del fra17926
del fra17927
del fra17928
del fra17929
del fra17930
del fra17931
del fra17932
del fra17933
del fra17934
del fra17935
del fra17936
del fra17937
del fra17938
del fra17939
del fra17940
del fra17941
del fra17942
del fra17943
del fra17944
del fra17945
del fra17946
del fra17947
del fra17948
del fra17949
del fra17950
del fra17951
del fra17952
del fra17953
del fra17954
del fra17955
del fra17956
del fra17957
del fra17958
del fra17959
del fra17960
del fra17961
del fra17962
del fra17963
del fra17964
del fra17965
del fra17966
del fra17967
del fra17968
del fra17969
del fra17970
del fra17971
del fra17972
del fra17973
del fra17974
del fra17975
del fra17976
del fra17977
del fra17978
del fra17979
del fra17980
del fra17981
del fra17982
del fra17983
del fra17984
del fra17985
del fra17986
del fra17987
del fra17988
del fra17989
del fra17990
del fra17991
del fra17992
del fra17993
del fra17994
del fra17995
del fra17996
del fra17997
del fra17998
del fra17999
del fra18000
del fra18001
del fra18002
del fra18003
del fra18004
del fra18005
del fra18006
del fra18007
del fra18008
del fra18009
del fra18010
del fra18011
del fra18012
del fra18013
del fra18014
del fra18015
del fra18016
del fra18017
del fra18018
del fra18019
del fra18020
del fra18021
del fra18022
del fra18023
del fra18024
del fra18025
del fra18026
del fra18027
del fra18028
del fra18029
del fra18030
del fra18031
del fra18032
del fra18033
del fra18034
del fra18035
del fra18036
del fra18037
del fra18038
del fra18039
del fra18040
del fra18041
del fra18042
del fra18043
del fra18044
del fra18045
del fra18046
del fra18047
del fra18048
del fra18049
del fra18050
del fra18051
del fra18052
del fra18053
del fra18054
del fra18055
del fra18056
del fra18057
del fra18058
del fra18059
del fra18060
del fra18061
del fra18062
del fra18063
del fra18064
del fra18065
del fra18066
del fra18067
del fra18068
del fra18069
del fra18070
del fra18071
del fra18072
del fra18073
del fra18074
del fra18075
del fra18076
del fra18077
del fra18078
del fra18079
del fra18080
del fra18081
del fra18082
del fra18083
del fra18084
del fra18085
del fra18086
del fra18087
del fra18088
del fra18089
del fra18090
del fra18091
del fra18092
del fra18093
del fra18094
del fra18095
del fra18096
del fra18097
del fra18098
del fra18099
del fra18100
del fra18101
del fra18102
del fra18103
del fra18104
del fra18105
del fra18106
del fra18107
del fra18108
del fra18109
del fra18110
del fra18111
del fra18112
del fra18113
del fra18114
del fra18115
del fra18116
del fra18117
del fra18118
del fra18119
del fra18120
del fra18121
del fra18122
del fra18123
del fra18124
del fra18125
del fra18126
del fra18127
del fra18128
del fra18129
del fra18130
del fra18131
del fra18132
del fra18133
del fra18134
del fra18135
del fra18136
del fra18137
del fra18138
del fra18139
del fra18140
del fra18141
del fra18142
del fra18143
del fra18144
del fra18145
del fra18146
del fra18147
del fra18148
del fra18149
del fra18150
del fra18151
del fra18152
del fra18153
del fra18154
del fra18155
del fra18156
del fra18157
del fra18158
del fra18159
del fra18160
del fra18161
del fra18162
del fra18163
del fra18164
del fra18165
del fra18166
del fra18167
del fra18168
del fra18169
del fra18170
del fra18171
del fra18172
del fra18173
del fra18174
del fra18175
del fra18176
del fra18177
del fra18178
del fra18179
del fra18180
del fra18181
del fra18182
del fra18183
del fra18184
del fra18185
del fra18186
del fra18187
del fra18188
del fra18189
del fra18190
del fra18191
del fra18192
del fra18193
del fra18194
del fra18195
del fra18196
del fra18197
del fra18198
del fra18199
del fra18200
del fra18201
del fra18202
del fra18203
del fra18204
del fra18205
del fra18206
del fra18207
del fra18208
del fra18209
del fra18210
del fra18211
del fra18212
del fra18213
del fra18214
del fra18215
del fra18216
del fra18217
del fra18218
del fra18219
del fra18220
del fra18221
del fra18222
del fra18223
del fra18224
del fra18225
del fra18226
del fra18227
del fra18228
del fra18229
del fra18230
del fra18231
del fra18232
del fra18233
del fra18234
del fra18235
del fra18236
del fra18237
del fra18238
del fra18239
del fra18240
del fra18241
del fra18242
del fra18243
del fra18244
del fra18245
del fra18246
del fra18247
del fra18248
del fra18249
del fra18250
del fra18251
del fra18252
del fra18253
del fra18254
del fra18255
del fra18256
del fra18257
del fra18258
del fra18259
del fra18260
del fra18261
del fra18262
del fra18263
del fra18264
del fra18265
del fra18266
del fra18267
del fra18268
del fra18269
del fra18270
del fra18271
del fra18272
del fra18273
del fra18274
del fra18275
del fra18276
del fra18277
del fra18278
del fra18279
del fra18280
del fra18281
del fra18282
del fra18283
del fra18284
del fra18285
del fra18286
del fra18287
del fra18288
del fra18289
del fra18290
del fra18291
del fra18292
del fra18293
del fra18294
del fra18295
del fra18296
del fra18297
del fra18298
del fra18299
del fra18300
del fra18301
del fra18302
del fra18303
del fra18304
del fra18305
del fra18306
del fra18307
del fra18308
del fra18309
del fra18310
del fra18311
del fra18312
del fra18313
del fra18314
del fra18315
del fra18316
del fra18317
del fra18318
del fra18319
del fra18320
del fra18321
del fra18322
del fra18323
del fra18324
del fra18325
del fra18326
del fra18327
del fra18328
del fra18329
del fra18330
del fra18331
del fra18332
del fra18333
del fra18334
del fra18335
del fra18336
del fra18337
del fra18338
del fra18339
del fra18340
del fra18341
del fra18342
del fra18343
del fra18344
del fra18345
del fra18346
del fra18347
del fra18348
del fra18349
del fra18350
del fra18351
del fra18352
del fra18353
del fra18354
del fra18355
del fra18356
del fra18357
del fra18358
del fra18359
del fra18360
del fra18361
del fra18362
del fra18363
del fra18364
del fra18365
del fra18366
del fra18367
del fra18368
del fra18369
del fra18370
del fra18371
del fra18372
del fra18373
del fra18374
del fra18375
del fra18376
del fra18377
del fra18378
del fra18379
del fra18380
del fra18381
del fra18382
del fra18383
del fra18384
del fra18385
del fra18386
del fra18387
del fra18388
del fra18389
del fra18390
del fra18391
del fra18392
del fra18393
del fra18394
del fra18395
del fra18396
del fra18397
del fra18398
del fra18399
del fra18400
del fra18401
del fra18402
del fra18403
del fra18404
del fra18405
del fra18406
del fra18407
del fra18408
del fra18409
del fra18410
del fra18411
del fra18412
del fra18413
del fra18414
del fra18415
del fra18416
del fra18417
del fra18418
del fra18419
del fra18420
del fra18421
del fra18422
del fra18423
del fra18424
del fra18425
del fra18426
del fra18427
del fra18428
del fra18429
del fra18430
del fra18431
del fra18432
del fra18433
del fra18434
del fra18435
del fra18436
del fra18437
del fra18438
del fra18439
del fra18440
del fra18441
del fra18442
del fra18443
del fra18444
del fra18445
del fra18446
del fra18447
del fra18448
del fra18449
del fra18450
del fra18451
del fra18452
del fra18453
del fra18454
del fra18455
del fra18456
del fra18457
del fra18458
del fra18459
del fra18460
del fra18461
del fra18462
del fra18463
del fra18464
del fra18465
del fra18466
del fra18467
del fra18468
del fra18469
del fra18470
del fra18471
del fra18472
del fra18473
del fra18474
del fra18475
del fra18476
del fra18477
del fra18478
del fra18479
del fra18480
del fra18481
del fra18482
del fra18483
del fra18484
del fra18485
del fra18486
del fra18487
del fra18488
del fra18489
del fra18490
del fra18491
del fra18492
del fra18493
del fra18494
del fra18495
del fra18496
del fra18497
del fra18498
del fra18499
del fra18500
del fra18501
del fra18502
del fra18503
del fra18504
del fra18505
del fra18506
del fra18507
del fra18508
del fra18509
del fra18510
del fra18511
del fra18512
del fra18513
del fra18514
del fra18515
del fra18516
del fra18517
del fra18518
del fra18519
del fra18520
del fra18521
del fra18522
del fra18523
del fra18524
del fra18525
del fra18526
del fra18527
del fra18528
del fra18529
del fra18530
del fra18531
del fra18532
del fra18533
del fra18534
del fra18535
del fra18536
del fra18537
del fra18538
del fra18539
del fra18540
del fra18541
del fra18542
del fra18543
del fra18544
del fra18545
del fra18546
del fra18547
del fra18548
del fra18549
del fra18550
del fra18551
del fra18552
del fra18553
del fra18554
del fra18555
del fra18556
del fra18557
del fra18558
del fra18559
del fra18560
del fra18561
del fra18562
del fra18563
del fra18564
del fra18565
del fra18566
del fra18567
del fra18568
del fra18569
del fra18570
del fra18571
del fra18572
del fra18573
del fra18574
del fra18575
del fra18576
del fra18577
del fra18578
del fra18579
del fra18580
del fra18581
del fra18582
del fra18583
del fra18584
del fra18585
del fra18586
del fra18587
del fra18588
del fra18589
del fra18590
del fra18591
del fra18592
del fra18593
del fra18594
del fra18595
del fra18596
del fra18597
del fra18598
del fra18599
del fra18600
del fra18601
del fra18602
del fra18603
del fra18604
del fra18605
del fra18606
del fra18607
del fra18608
del fra18609
del fra18610
del fra18611
del fra18612
del fra18613
del fra18614
del fra18615
del fra18616
del fra18617
del fra18618
del fra18619
del fra18620
del fra18621
del fra18622
del fra18623
del fra18624
del fra18625
del fra18626
del fra18627
del fra18628
del fra18629
del fra18630
del fra18631
del fra18632
del fra18633
del fra18634
del fra18635
del fra18636
del fra18637
del fra18638
del fra18639
del fra18640
del fra18641
del fra18642
del fra18643
del fra18644
del fra18645
del fra18646
del fra18647
del fra18648
del fra18649
del fra18650
del fra18651
del fra18652
del fra18653
del fra18654
del fra18655
del fra18656
del fra18657
del fra18658
del fra18659
del fra18660
del fra18661
del fra18662
del fra18663
del fra18664
del fra18665
del fra18666
del fra18667
del fra18668
del fra18669
del fra18670
del fra18671
del fra18672
del fra18673
del fra18674
del fra18675
del fra18676
del fra18677
del fra18678
del fra18679
del fra18680
del fra18681
del fra18682
del fra18683
del fra18684
del fra18685
del fra18686
del fra18687
del fra18688
del fra18689
del fra18690
del fra18691
del fra18692
del fra18693
del fra18694
del fra18695
del fra18696
del fra18697
del fra18698
del fra18699
del fra18700
del fra18701
del fra18702
del fra18703
del fra18704
del fra18705
del fra18706
del fra18707
del fra18708
del fra18709
del fra18710
del fra18711
del fra18712
del fra18713
del fra18714
del fra18715
del fra18716
del fra18717
del fra18718
del fra18719
del fra18720
del fra18721
del fra18722
del fra18723
del fra18724
del fra18725
del fra18726
del fra18727
del fra18728
del fra18729
del fra18730
del fra18731
del fra18732
del fra18733
del fra18734
del fra18735
del fra18736
del fra18737
del fra18738
del fra18739
del fra18740
del fra18741
del fra18742
del fra18743
del fra18744
del fra18745
del fra18746
del fra18747
del fra18748
del fra18749
del fra18750
del fra18751
del fra18752
del fra18753
del fra18754
del fra18755
del fra18756
del fra18757
del fra18758
del fra18759
del fra18760
del fra18761
del fra18762
del fra18763
del fra18764
del fra18765
del fra18766
del fra18767
del fra18768
del fra18769
del fra18770
del fra18771
del fra18772
del fra18773
del fra18774
del fra18775
del fra18776
del fra18777
del fra18778
del fra18779
del fra18780
del fra18781
del fra18782
del fra18783
del fra18784
del fra18785
del fra18786
del fra18787
del fra18788
del fra18789
del fra18790
del fra18791
del fra18792
del fra18793
del fra18794
del fra18795
del fra18796
del fra18797
del fra18798
del fra18799
del fra18800
del fra18801
del fra18802
del fra18803
del fra18804
del fra18805
del fra18806
del fra18807
del fra18808
del fra18809
del fra18810
del fra18811
del fra18812
del fra18813
del fra18814
del fra18815
del fra18816
del fra18817
del fra18818
del fra18819
del fra18820
del fra18821
del fra18822
del fra18823
del fra18824
del fra18825
del fra18826
del fra18827
del fra18828
del fra18829
del fra18830
del fra18831
del fra18832
del fra18833
del fra18834
del fra18835
del fra18836
del fra18837
del fra18838
del fra18839
del fra18840
del fra18841
del fra18842
del fra18843
del fra18844
del fra18845
del fra18846
del fra18847
del fra18848
del fra18849
del fra18850
del fra18851
del fra18852
del fra18853
del fra18854
del fra18855
del fra18856
del fra18857
del fra18858
del fra18859
del fra18860
del fra18861
del fra18862
del fra18863
del fra18864
del fra18865
del fra18866
del fra18867
del fra18868
del fra18869
del fra18870
del fra18871
del fra18872
del fra18873
del fra18874
del fra18875
del fra18876
del fra18877
del fra18878
del fra18879
del fra18880
del fra18881
del fra18882
del fra18883
del fra18884
del fra18885
del fra18886
del fra18887
del fra18888
del fra18889
del fra18890
del fra18891
del fra18892
del fra18893
del fra18894
del fra18895
del fra18896
del fra18897
del fra18898
del fra18899
del fra18900
del fra18901
del fra18902
del fra18903
del fra18904
del fra18905
del fra18906
del fra18907
del fra18908
del fra18909
del fra18910
del fra18911
del fra18912
del fra18913
del fra18914
del fra18915
del fra18916
del fra18917
del fra18918
del fra18919
del fra18920
del fra18921
del fra18922
del fra18923
del fra18924
del fra18925
del fra18926
del fra18927
del fra18928
del fra18929
del fra18930
del fra18931
del fra18932
del fra18933
del fra18934
del fra18935
del fra18936
del fra18937
del fra18938
del fra18939
del fra18940
del fra18941
del fra18942
del fra18943
del fra18944
del fra18945
del fra18946
del fra18947
del fra18948
del fra18949
del fra18950
del fra18951
del fra18952
del fra18953
del fra18954
del fra18955
del fra18956
del fra18957
del fra18958
del fra18959
del fra18960
del fra18961
del fra18962
del fra18963
del fra18964
del fra18965
del fra18966
del fra18967
del fra18968
del fra18969
del fra18970
del fra18971
del fra18972
del fra18973
del fra18974
del fra18975
del fra18976
del fra18977
del fra18978
del fra18979
del fra18980
del fra18981
del fra18982
del fra18983
del fra18984
del fra18985
del fra18986
del fra18987
del fra18988
del fra18989
del fra18990
del fra18991
del fra18992
del fra18993
del fra18994
del fra18995
del fra18996
del fra18997
del fra18998
del fra18999
del fra19000
del fra19001
del fra19002
del fra19003
del fra19004
del fra19005
del fra19006
del fra19007
del fra19008
del fra19009
del fra19010
del fra19011
del fra19012
del fra19013
del fra19014
del fra19015
del fra19016
del fra19017
del fra19018
del fra19019
del fra19020
del fra19021
del fra19022
del fra19023
del fra19024
del fra19025
del fra19026
del fra19027
del fra19028
del fra19029
del fra19030
del fra19031
del fra19032
del fra19033
del fra19034
del fra19035
del fra19036
del fra19037
del fra19038
del fra19039
del fra19040
del fra19041
del fra19042
del fra19043
del fra19044
del fra19045
del fra19046
del fra19047
del fra19048
del fra19049
del fra19050
del fra19051
del fra19052
del fra19053
del fra19054
del fra19055
del fra19056
del fra19057
del fra19058
del fra19059
del fra19060
del fra19061
del fra19062
del fra19063
del fra19064
del fra19065
del fra19066
del fra19067
del fra19068
del fra19069
del fra19070
del fra19071
del fra19072
del fra19073
del fra19074
del fra19075
del fra19076
del fra19077
del fra19078
del fra19079
del fra19080
del fra19081
del fra19082
del fra19083
del fra19084
del fra19085
del fra19086
del fra19087
del fra19088
del fra19089
del fra19090
del fra19091
del fra19092
del fra19093
del fra19094
del fra19095
del fra19096
del fra19097
del fra19098
del fra19099
del fra19100
del fra19101
del fra19102
del fra19103
del fra19104
del fra19105
del fra19106
del fra19107
del fra19108
del fra19109
del fra19110
del fra19111
del fra19112
del fra19113
del fra19114
del fra19115
del fra19116
del fra19117
del fra19118
del fra19119
del fra19120
del fra19121
del fra19122
del fra19123
del fra19124
del fra19125
del fra19126
del fra19127
del fra19128
del fra19129
del fra19130
del fra19131
del fra19132
del fra19133
del fra19134
del fra19135
del fra19136
del fra19137
del fra19138
del fra19139
del fra19140
del fra19141
del fra19142
del fra19143
del fra19144
del fra19145
del fra19146
del fra19147
del fra19148
del fra19149
del fra19150
del fra19151
del fra19152
del fra19153
del fra19154
del fra19155
del fra19156
del fra19157
del fra19158
del fra19159
del fra19160
del fra19161
del fra19162
del fra19163
del fra19164
del fra19165
del fra19166
del fra19167
del fra19168
del fra19169
del fra19170
del fra19171
del fra19172
del fra19173
del fra19174
del fra19175
del fra19176
del fra19177
del fra19178
del fra19179
del fra19180
del fra19181
del fra19182
del fra19183
del fra19184
del fra19185
del fra19186
del fra19187
del fra19188
del fra19189
del fra19190
del fra19191
del fra19192
del fra19193
del fra19194
del fra19195
del fra19196
del fra19197
del fra19198
del fra19199
del fra19200
del fra19201
del fra19202
del fra19203
del fra19204
del fra19205
del fra19206
del fra19207
del fra19208
del fra19209
del fra19210
del fra19211
del fra19212
del fra19213
del fra19214
del fra19215
del fra19216
del fra19217
del fra19218
del fra19219
del fra19220
del fra19221
del fra19222
del fra19223
del fra19224
del fra19225
del fra19226
del fra19227
del fra19228
del fra19229
del fra19230
del fra19231
del fra19232
del fra19233
del fra19234
del fra19235
del fra19236
del fra19237
del fra19238
del fra19239
del fra19240
del fra19241
del fra19242
del fra19243
del fra19244
del fra19245
del fra19246
del fra19247
del fra19248
del fra19249
del fra19250
del fra19251
del fra19252
del fra19253
del fra19254
del fra19255
del fra19256
del fra19257
del fra19258
del fra19259
del fra19260
del fra19261
del fra19262
del fra19263
del fra19264
del fra19265
del fra19266
del fra19267
del fra19268
del fra19269
del fra19270
del fra19271
del fra19272
del fra19273
del fra19274
del fra19275
del fra19276
del fra19277
del fra19278
del fra19279
del fra19280
del fra19281
del fra19282
del fra19283
del fra19284
del fra19285
del fra19286
del fra19287
del fra19288
del fra19289
del fra19290
del fra19291
del fra19292
del fra19293
del fra19294
del fra19295
del fra19296
del fra19297
del fra19298
del fra19299
del fra19300
del fra19301
del fra19302
del fra19303
del fra19304
del fra19305
del fra19306
del fra19307
del fra19308
del fra19309
del fra19310
del fra19311
del fra19312
del fra19313
del fra19314
del fra19315
del fra19316
del fra19317
del fra19318
del fra19319
del fra19320
del fra19321
del fra19322
del fra19323
del fra19324
del fra19325
del fra19326
del fra19327
del fra19328
del fra19329
del fra19330
del fra19331
del fra19332
del fra19333
del fra19334
del fra19335
del fra19336
del fra19337
del fra19338
del fra19339
del fra19340
del fra19341
del fra19342
del fra19343
del fra19344
del fra19345
del fra19346
del fra19347
del fra19348
del fra19349
del fra19350
del fra19351
del fra19352
del fra19353
del fra19354
del fra19355
del fra19356
del fra19357
del fra19358
del fra19359
del fra19360
del fra19361
del fra19362
del fra19363
del fra19364
del fra19365
del fra19366
del fra19367
del fra19368
del fra19369
del fra19370
del fra19371
del fra19372
del fra19373
del fra19374
del fra19375
del fra19376
del fra19377
del fra19378
del fra19379
del fra19380
del fra19381
del fra19382
del fra19383
del fra19384
del fra19385
del fra19386
del fra19387
del fra19388
del fra19389
del fra19390
del fra19391
del fra19392
del fra19393
del fra19394
del fra19395
del fra19396
del fra19397
del fra19398
del fra19399
del fra19400
del fra19401
del fra19402
del fra19403
del fra19404
del fra19405
del fra19406
del fra19407
del fra19408
del fra19409
del fra19410
del fra19411
del fra19412
del fra19413
del fra19414
del fra19415
del fra19416
del fra19417
del fra19418
del fra19419
del fra19420
del fra19421
del fra19422
del fra19423
del fra19424
del fra19425
del fra19426
del fra19427
del fra19428
del fra19429
del fra19430
del fra19431
del fra19432
del fra19433
del fra19434
del fra19435
del fra19436
del fra19437
del fra19438
del fra19439
del fra19440
del fra19441
del fra19442
del fra19443
del fra19444
del fra19445
del fra19446
del fra19447
del fra19448
del fra19449
del fra19450
del fra19451
del fra19452
del fra19453
del fra19454
del fra19455
del fra19456
del fra19457
del fra19458
del fra19459
del fra19460
del fra19461
del fra19462
del fra19463
del fra19464
del fra19465
del fra19466
del fra19467
del fra19468
del fra19469
del fra19470
del fra19471
del fra19472
del fra19473
del fra19474
del fra19475
del fra19476
del fra19477
del fra19478
del fra19479
del fra19480
del fra19481
del fra19482
del fra19483
del fra19484
del fra19485
del fra19486
del fra19487
del fra19488
del fra19489
del fra19490
del fra19491
del fra19492
del fra19493
del fra19494
del fra19495
del fra19496
del fra19497
del fra19498
del fra19499
del fra19500
del fra19501
del fra19502
del fra19503
del fra19504
del fra19505
del fra19506
del fra19507
del fra19508
del fra19509
del fra19510
del fra19511
del fra19512
del fra19513
del fra19514
del fra19515
del fra19516
del fra19517
del fra19518
del fra19519
del fra19520
del fra19521
del fra19522
del fra19523
del fra19524
del fra19525
del fra19526
del fra19527
del fra19528
del fra19529
del fra19530
del fra19531
del fra19532
del fra19533
del fra19534
del fra19535
del fra19536
del fra19537
del fra19538
del fra19539
del fra19540
del fra19541
del fra19542
del fra19543
del fra19544
del fra19545
del fra19546
del fra19547
del fra19548
del fra19549
del fra19550
del fra19551
del fra19552
del fra19553
del fra19554
del fra19555
del fra19556
del fra19557
del fra19558
del fra19559
del fra19560
del fra19561
del fra19562
del fra19563
del fra19564
del fra19565
del fra19566
del fra19567
del fra19568
del fra19569
del fra19570
del fra19571
del fra19572
del fra19573
del fra19574
del fra19575
del fra19576
del fra19577
del fra19578
del fra19579
del fra19580
del fra19581
del fra19582
del fra19583
del fra19584
del fra19585
del fra19586
del fra19587
del fra19588
del fra19589
del fra19590
del fra19591
del fra19592
del fra19593
del fra19594
del fra19595
del fra19596
del fra19597
del fra19598
del fra19599
del fra19600
del fra19601
del fra19602
del fra19603
del fra19604
del fra19605
del fra19606
del fra19607
del fra19608
del fra19609
del fra19610
del fra19611
del fra19612
del fra19613
del fra19614
del fra19615
del fra19616
del fra19617
del fra19618
del fra19619
del fra19620
del fra19621
del fra19622
del fra19623
del fra19624
del fra19625
del fra19626
del fra19627
del fra19628
del fra19629
del fra19630
del fra19631
del fra19632
del fra19633
del fra19634
del fra19635
del fra19636
del fra19637
del fra19638
del fra19639
del fra19640
del fra19641
del fra19642
del fra19643
del fra19644
del fra19645
del fra19646
del fra19647
del fra19648
del fra19649
del fra19650
del fra19651
del fra19652
del fra19653
del fra19654
del fra19655
del fra19656
del fra19657
del fra19658
del fra19659
del fra19660
del fra19661
del fra19662
del fra19663
del fra19664
del fra19665
del fra19666
del fra19667
del fra19668
del fra19669
del fra19670
del fra19671
del fra19672
del fra19673
del fra19674
del fra19675
del fra19676
del fra19677
del fra19678
del fra19679
del fra19680
del fra19681
del fra19682
del fra19683
del fra19684
del fra19685
del fra19686
del fra19687
del fra19688
del fra19689
del fra19690
del fra19691
del fra19692
del fra19693
del fra19694
del fra19695
del fra19696
del fra19697
del fra19698
del fra19699
del fra19700
del fra19701
del fra19702
del fra19703
del fra19704
del fra19705
del fra19706
del fra19707
del fra19708
del fra19709
del fra19710
del fra19711
del fra19712
del fra19713
del fra19714
del fra19715
del fra19716
del fra19717
del fra19718
del fra19719
del fra19720
del fra19721
del fra19722
del fra19723
del fra19724
del fra19725
del fra19726
del fra19727
del fra19728
del fra19729
del fra19730
del fra19731
del fra19732
del fra19733
del fra19734
del fra19735
del fra19736
del fra19737
del fra19738
del fra19739
del fra19740
del fra19741
del fra19742
del fra19743
del fra19744
del fra19745
del fra19746
del fra19747
del fra19748
del fra19749
del fra19750
del fra19751
del fra19752
del fra19753
del fra19754
del fra19755
del fra19756
del fra19757
del fra19758
del fra19759
del fra19760
del fra19761
del fra19762
del fra19763
del fra19764
del fra19765
del fra19766
del fra19767
del fra19768
del fra19769
del fra19770
del fra19771
del fra19772
del fra19773
del fra19774
del fra19775
del fra19776
del fra19777
del fra19778
del fra19779
del fra19780
del fra19781
del fra19782
del fra19783
del fra19784
del fra19785
del fra19786
del fra19787
del fra19788
del fra19789
del fra19790
del fra19791
del fra19792
del fra19793
del fra19794
del fra19795
del fra19796
del fra19797
del fra19798
del fra19799
del fra19800
del fra19801
del fra19802
del fra19803
del fra19804
del fra19805
del fra19806
del fra19807
del fra19808
del fra19809
del fra19810
del fra19811
del fra19812
del fra19813
del fra19814
del fra19815
del fra19816
del fra19817
del fra19818
del fra19819
del fra19820
del fra19821
del fra19822
del fra19823
del fra19824
del fra19825
del fra19826
del fra19827
del fra19828
del fra19829
del fra19830
del fra19831
del fra19832
del fra19833
del fra19834
del fra19835
del fra19836
del fra19837
del fra19838
del fra19839
del fra19840
del fra19841
del fra19842
del fra19843
del fra19844
del fra19845
del fra19846
del fra19847
del fra19848
del fra19849
del fra19850
del fra19851
del fra19852
del fra19853
del fra19854
del fra19855
del fra19856
del fra19857
del fra19858
del fra19859
del fra19860
del fra19861
del fra19862
del fra19863
del fra19864
del fra19865
del fra19866
del fra19867
del fra19868
del fra19869
del fra19870
del fra19871
del fra19872
del fra19873
del fra19874
del fra19875
del fra19876
del fra19877
del fra19878
del fra19879
del fra19880
del fra19881
del fra19882
del fra19883
del fra19884
del fra19885
del fra19886
del fra19887
del fra19888
del fra19889
del fra19890
del fra19891
del fra19892
del fra19893
del fra19894
del fra19895
del fra19896
del fra19897
del fra19898
del fra19899
del fra19900
del fra19901
del fra19902
del fra19903
del fra19904
del fra19905
del fra19906
del fra19907
del fra19908
del fra19909
del fra19910
del fra19911
del fra19912
del fra19913
del fra19914
del fra19915
del fra19916
del fra19917
del fra19918
del fra19919
del fra19920
del fra19921
del fra19922
del fra19923
del fra19924
del fra19925
del fra19926
del fra19927
del fra19928
del fra19929
del fra19930
del fra19931
del fra19932
del fra19933
del fra19934
del fra19935
del fra19936
del fra19937
del fra19938
del fra19939
del fra19940
del fra19941
del fra19942
del fra19943
del fra19944
del fra19945
del fra19946
del fra19947
del fra19948
del fra19949
del fra19950
del fra19951
del fra19952
del fra19953
del fra19954
del fra19955
del fra19956
del fra19957
del fra19958
del fra19959
del fra19960
del fra19961
del fra19962
del fra19963
del fra19964
del fra19965
del fra19966
del fra19967
del fra19968
del fra19969
del fra19970
del fra19971
del fra19972
del fra19973
del fra19974
del fra19975
del fra19976
del fra19977
del fra19978
del fra19979
del fra19980
del fra19981
del fra19982
del fra19983
del fra19984
del fra19985
del fra19986
del fra19987
del fra19988
del fra19989
del fra19990
del fra19991
del fra19992
del fra19993
del fra19994
del fra19995
del fra19996
del fra19997
del fra19998
del fra19999
del fra20000
del fra20001
del fra20002
del fra20003
del fra20004
del fra20005
del fra20006
del fra20007
del fra20008
del fra20009
del fra20010
del fra20011
del fra20012
del fra20013
del fra20014
del fra20015
del fra20016
del fra20017
del fra20018
del fra20019
del fra20020
del fra20021
del fra20022
del fra20023
del fra20024
del fra20025
del fra20026
del fra20027
del fra20028
del fra20029
del fra20030
del fra20031
del fra20032
del fra20033
del fra20034
del fra20035
del fra20036
del fra20037
del fra20038
del fra20039
del fra20040
del fra20041
del fra20042
del fra20043
del fra20044
del fra20045
del fra20046
del fra20047
del fra20048
del fra20049
del fra20050
del fra20051
del fra20052
del fra20053
del fra20054
del fra20055
del fra20056
del fra20057
del fra20058
del fra20059
del fra20060
del fra20061
del fra20062
del fra20063
del fra20064
del fra20065
del fra20066
del fra20067
del fra20068
del fra20069
del fra20070
del fra20071
del fra20072
del fra20073
del fra20074
del fra20075
del fra20076
del fra20077
del fra20078
del fra20079
del fra20080
del fra20081
del fra20082
del fra20083
del fra20084
del fra20085
del fra20086
del fra20087
del fra20088
del fra20089
del fra20090
del fra20091
del fra20092
del fra20093
del fra20094
del fra20095
del fra20096
del fra20097
del fra20098
del fra20099
del fra20100
del fra20101
del fra20102
del fra20103
del fra20104
del fra20105
del fra20106
del fra20107
del fra20108
del fra20109
del fra20110
del fra20111
del fra20112
del fra20113
del fra20114
del fra20115
del fra20116
del fra20117
del fra20118
del fra20119
del fra20120
del fra20121
del fra20122
del fra20123
del fra20124
del fra20125
del fra20126
del fra20127
del fra20128
del fra20129
del fra20130
del fra20131
del fra20132
del fra20133
del fra20134
del fra20135
del fra20136
del fra20137
del fra20138
del fra20139
del fra20140
del fra20141
del fra20142
del fra20143
del fra20144
del fra20145
del fra20146
del fra20147
del fra20148
del fra20149
del fra20150
del fra20151
del fra20152
del fra20153
del fra20154
del fra20155
del fra20156
del fra20157
del fra20158
del fra20159
del fra20160
del fra20161
del fra20162
del fra20163
del fra20164
del fra20165
del fra20166
del fra20167
del fra20168
del fra20169
del fra20170
del fra20171
del fra20172
del fra20173
del fra20174
del fra20175
del fra20176
del fra20177
del fra20178
del fra20179
del fra20180
del fra20181
del fra20182
del fra20183
del fra20184
del fra20185
del fra20186
del fra20187
del fra20188
del fra20189
del fra20190
del fra20191
del fra20192
del fra20193
del fra20194
del fra20195
del fra20196
del fra20197
del fra20198
del fra20199
del fra20200
del fra20201
del fra20202
del fra20203
del fra20204
del fra20205
del fra20206
del fra20207
del fra20208
del fra20209
del fra20210
del fra20211
del fra20212
del fra20213
del fra20214
del fra20215
del fra20216
del fra20217
del fra20218
del fra20219
del fra20220
del fra20221
del fra20222
del fra20223
del fra20224
del fra20225
del fra20226
del fra20227
del fra20228
del fra20229
del fra20230
del fra20231
del fra20232
del fra20233
del fra20234
del fra20235
del fra20236
del fra20237
del fra20238
del fra20239
del fra20240
del fra20241
del fra20242
del fra20243
del fra20244
del fra20245
del fra20246
del fra20247
del fra20248
del fra20249
del fra20250
del fra20251
del fra20252
del fra20253
del fra20254
del fra20255
del fra20256
del fra20257
del fra20258
del fra20259
del fra20260
del fra20261
del fra20262
del fra20263
del fra20264
del fra20265
del fra20266
del fra20267
del fra20268
del fra20269
del fra20270
del fra20271
del fra20272
del fra20273
del fra20274
del fra20275
del fra20276
del fra20277
del fra20278
del fra20279
del fra20280
del fra20281
del fra20282
del fra20283
del fra20284
del fra20285
del fra20286
del fra20287
del fra20288
del fra20289
del fra20290
del fra20291
del fra20292
del fra20293
del fra20294
del fra20295
del fra20296
del fra20297
del fra20298
del fra20299
del fra20300
del fra20301
del fra20302
del fra20303
del fra20304
del fra20305
del fra20306
del fra20307
del fra20308
del fra20309
del fra20310
del fra20311
del fra20312
del fra20313
del fra20314
del fra20315
del fra20316
del fra20317
del fra20318
del fra20319
del fra20320
del fra20321
del fra20322
del fra20323
del fra20324
del fra20325
del fra20326
del fra20327
del fra20328
del fra20329
del fra20330
del fra20331
del fra20332
del fra20333
del fra20334
del fra20335
del fra20336
del fra20337
del fra20338
del fra20339
del fra20340
del fra20341
del fra20342
del fra20343
del fra20344
del fra20345
del fra20346
del fra20347
del fra20348
del fra20349
del fra20350
del fra20351
del fra20352
del fra20353
del fra20354
del fra20355
del fra20356
del fra20357
del fra20358
del fra20359
del fra20360
del fra20361
del fra20362
del fra20363
del fra20364
del fra20365
del fra20366
del fra20367
del fra20368
del fra20369
del fra20370
del fra20371
del fra20372
del fra20373
del fra20374
del fra20375
del fra20376
del fra20377
del fra20378
del fra20379
del fra20380
del fra20381
del fra20382
del fra20383
del fra20384
del fra20385
del fra20386
del fra20387
del fra20388
del fra20389
del fra20390
del fra20391
del fra20392
del fra20393
del fra20394
del fra20395
del fra20396
del fra20397
del fra20398
del fra20399
del fra20400
del fra20401
del fra20402
del fra20403
del fra20404
del fra20405
del fra20406
del fra20407
del fra20408
del fra20409
del fra20410
del fra20411
del fra20412
del fra20413
del fra20414
del fra20415
del fra20416
del fra20417
del fra20418
del fra20419
del fra20420
del fra20421
del fra20422
del fra20423
del fra20424
del fra20425
del fra20426
del fra20427
del fra20428
del fra20429
del fra20430
del fra20431
del fra20432
del fra20433
del fra20434
del fra20435
del fra20436
del fra20437
del fra20438
del fra20439
del fra20440
del fra20441
del fra20442
del fra20443
del fra20444
del fra20445
del fra20446
del fra20447
del fra20448
del fra20449
del fra20450
del fra20451
del fra20452
del fra20453
del fra20454
del fra20455
del fra20456
del fra20457
del fra20458
del fra20459
del fra20460
del fra20461
del fra20462
del fra20463
del fra20464
del fra20465
del fra20466
del fra20467
del fra20468
del fra20469
del fra20470
del fra20471
del fra20472
del fra20473
del fra20474
del fra20475
del fra20476
del fra20477
del fra20478
del fra20479
del fra20480
del recomb.cmd
:end

