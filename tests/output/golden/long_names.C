

    League Style Quizzing

    C 13:1 to S 3:18

    Quiz Number 7













    C 15:58   CV                      Quiz 7


      1. Accd. to 1 Corinthians chapter 15 verse 58, 

        What is not in vain in the Lord? 
        Your labor                           











    C 13:13   CO                      Quiz 7


     2. According to 1 Corinthians chapter 13

        which is the greatest of faith, hope 
        and love? Love                       











    C 10:13   QTa                     Quiz 7


     3. Quote 1 Corinthians Chapter 10 verse 13

        No temptation has overtaken you that 
        is not common to man.                











    S  3:16   CV                      Quiz 7


      4. Accd. to Second Thessalonians chapter 3 verse 16, 

        Who gives peace at all times in 
        every way? The Lord of peace himself 











    S  3:10   CO                      Quiz 7


     5. According to Second Thessalonians chapter 3

        who is not to eat? Anyone not 
        willing to work                      











    S  2:15   QTb                     Quiz 7


     6. Quote Second Thessalonians Chapter 2 verse 15 

        So then, brothers, stand firm and 
        hold to the traditions.              









